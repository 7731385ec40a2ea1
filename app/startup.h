// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up shared by the program and by the tools that run it.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QApplication;

namespace ossarion {

// Before the application exists: on a Wayland session that also offers X11, use X11,
// because Wayland lets no program place its own windows and these screens centre
// themselves. A platform the user chose explicitly is left alone.
void choosePlatform();

// After the application exists: style, palette and font, the same on every desktop, so
// that the fixed layouts look as designed.
void prepareApplication(QApplication &app);

// What a command line asks for. The program itself takes no arguments; --help and
// --version answer in the terminal, anything else is an error. Needs a QCoreApplication.
struct CommandLineAnswer {
    bool run = false;   // nothing but the program's name: start the program
    int status = 0;     // otherwise the exit status,
    QString text;       // what to print, ending in a newline,
    bool error = false; // and where: standard error rather than standard output
};
CommandLineAnswer readCommandLine(const QStringList &arguments);

// main(): with arguments, prints the answer to them and returns its status, never opening
// a window (so it works without a display); with none, runs the program.
int runCommandLine(int argc, char *argv[]);

// The whole run of the program: platform, application, title screen, event loop, until
// "Yes" to "Are you sure?"; returns the exit status. The toolkit is given the program's
// name and nothing else. `beforeTitle`, when given, runs once the application is prepared
// and before the title screen is built (the start-up measurement watches from there).
int runProgram(char *programName, const std::function<void()> &beforeTitle = {});

} // namespace ossarion
