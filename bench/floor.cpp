// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: a bare Qt Widgets program with one window like a main screen's, one push
// button and one label (floorwindow.h). It ends after its first paint, as the program's
// bench entry (start.cpp) does, so that their start-up can be compared.
#include "floorwindow.h"
#include "probe.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window(bench::makeFloorWindow());
    bench::exitAfterFirstPaint(window->objectName());
    window->show();
    return QApplication::exec();
}
