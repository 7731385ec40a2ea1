// SPDX-License-Identifier: GPL-3.0-or-later
// Shows every screen in turn, the way the program shows it, and saves a picture of each:
//   ossarion_screenshots <directory>
// Under a window manager the pictures include the window frame.
#include "app/centring.h"
#include "app/navigator.h"
#include "app/screentable.h"
#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdio>

namespace {

// Shows a screen the way the program shows it and saves a picture of it, frame included
// where a window manager draws one.
bool capture(QWidget *screen, const QString &file, ossarion::ScreenId id)
{
    // The title and About screens centre themselves; the others are placed as a move would.
    if (ossarion::isMainScreen(id) && id != ossarion::ScreenId::Form1)
        ossarion::centreOnDesktop(screen);
    screen->show();
    if (!QTest::qWaitForWindowExposed(screen)) {
        std::fprintf(stderr, "%s was never shown\n", qPrintable(screen->objectName()));
        return false;
    }
    QTest::qWait(150); // let the window manager settle the frame
    QApplication::processEvents();
    const QRect frame = screen->frameGeometry();
    QPixmap shot = screen->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (shot.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        shot = screen->grab();
    if (!shot.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    ossarion::choosePlatform();
    QApplication app(argc, argv);
    ossarion::prepareApplication(app);
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    ossarion::Navigator navigator;
    auto &registry = navigator.registry();
    for (int i = 0; i < ossarion::screenCount; ++i) {
        const auto id = static_cast<ossarion::ScreenId>(i);
        QWidget *screen = registry.take(id);
        if (!capture(screen, out.filePath(screen->objectName() + QStringLiteral(".png")), id))
            return 1;
        if (ossarion::isMainScreen(id))
            registry.drop(id);
        else
            screen->close();
        QApplication::processEvents();
    }

    // A test as a pupil leaves it: some answers right, one wrong, one not given, checked.
    QWidget *test = registry.take(ossarion::ScreenId::Form7);
    const char *answers[] = {"Humerus", "ulna", "Radius", "carpels", "metacarpals", "", "clavicle", "Scapula"};
    for (int k = 0; k < 8; ++k)
        test->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(k + 1))->setText(QString::fromLatin1(answers[k]));
    test->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    if (!capture(test, out.filePath(QStringLiteral("Form7-checked.png")), ossarion::ScreenId::Form7))
        return 1;
    return 0;
}
