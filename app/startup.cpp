// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/navigator.h"
#include "screens/fonts.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>

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

namespace {

// The name and version that the About screen, --version and the window system see.
void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Ossarion"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.2"));
}

} // namespace

void prepareApplication(QApplication &app)
{
    nameApplication();
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

CommandLineAnswer readCommandLine(const QStringList &arguments)
{
    nameApplication();
    QCommandLineParser parser;
    // -platform, -style and the like name themselves in the error, not letter by letter.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Learn the bones of the human skeleton from labelled drawings and naming tests."));
    // Not addHelpOption(): its --help-all would list the toolkit's own options, which the
    // program does not pass on.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(arguments))
        return {false, 1, name + QStringLiteral(": ") + parser.errorText() + u'\n', true};
    if (parser.isSet(help))
        return {false, 0, parser.helpText(), false};
    if (parser.isSet(version))
        return {false, 0, name + u' ' + QCoreApplication::applicationVersion() + u'\n', false};
    if (!parser.positionalArguments().isEmpty())
        return {false, 1,
                name + QStringLiteral(": Unexpected argument '") + parser.positionalArguments().first()
                    + QStringLiteral("'.\n"),
                true};
    return {true, 0, {}, false};
}

int runCommandLine(int argc, char *argv[])
{
    if (argc <= 1)
        return runProgram(argv[0]);
    // Any argument makes an answer (help, version or error), printed by a plain core
    // application: no window system is asked for, so it works without a display.
    QCoreApplication app(argc, argv);
    const CommandLineAnswer answer = readCommandLine(QCoreApplication::arguments());
    std::fputs(answer.text.toLocal8Bit().constData(), answer.error ? stderr : stdout);
    return answer.status;
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
