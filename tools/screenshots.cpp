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
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdio>

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
        // The title and About screens centre themselves; the others are placed as a move would.
        if (ossarion::isMainScreen(id) && id != ossarion::ScreenId::Form1)
            ossarion::centreOnDesktop(screen);
        screen->show();
        if (!QTest::qWaitForWindowExposed(screen)) {
            std::fprintf(stderr, "%s was never shown\n", qPrintable(screen->objectName()));
            return 1;
        }
        QTest::qWait(150); // let the window manager settle the frame
        QApplication::processEvents();
        const QRect frame = screen->frameGeometry();
        QPixmap shot = screen->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (shot.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen"))
            shot = screen->grab();
        const QString file = out.filePath(screen->objectName() + QStringLiteral(".png"));
        if (!shot.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
        if (ossarion::isMainScreen(id))
            registry.drop(id);
        else
            screen->close();
        QApplication::processEvents();
    }
    return 0;
}
