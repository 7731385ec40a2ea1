// SPDX-License-Identifier: GPL-3.0-or-later
// Ossarion: the bones of the human skeleton, in labelled drawings and naming tests.
#include "app/navigator.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Q_UNUSED(argc);
    ossarion::choosePlatform();
    // The program takes no options: the toolkit sees only the program's name.
    int toolkitArgc = 1;
    char *toolkitArgv[] = {argv[0], nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    ossarion::prepareApplication(app);

    ossarion::Navigator navigator;
    navigator.start();
    const int status = QApplication::exec();
    // Screens dropped by the last moves are still waiting to be destroyed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
