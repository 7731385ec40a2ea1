// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/navigator.h"
#include "screens/fonts.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace ossarion {

void choosePlatform()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    // Wayland stays the fallback should this Qt have no X11 support.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Ossarion"));
    QApplication::setApplicationVersion(QStringLiteral("2.2"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.ossarion.Ossarion"));
    // Only "Yes" to "Are you sure?" ends the program, never the last window going.
    QApplication::setQuitOnLastWindowClosed(false);
    // Buttons are 81 x 33 pixels with up to two lines of text: a compact style and its
    // own light colours keep every screen as designed on any desktop theme.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
        QApplication::setPalette(style->standardPalette());
    }
    QApplication::setFont(standardFont());
    Q_UNUSED(app);
}

int runProgram(char *programName, const std::function<void()> &beforeTitle)
{
    choosePlatform();
    // The program takes no options: the toolkit sees only the program's name.
    int toolkitArgc = 1;
    char *toolkitArgv[] = {programName, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    prepareApplication(app);
    if (beforeTitle)
        beforeTitle();

    Navigator navigator;
    navigator.start();
    const int status = QApplication::exec();
    // Screens dropped by the last moves are still waiting to be destroyed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace ossarion
