// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start, for measuring only: the same start-up as the program itself
// (app/main.cpp), ended right after the title screen's first paint.
#include "probe.h"

#include "app/startup.h"

int main(int argc, char *argv[])
{
    Q_UNUSED(argc);
    return ossarion::runProgram(argv[0], [] { bench::exitAfterFirstPaint(QStringLiteral("Form1")); });
}
