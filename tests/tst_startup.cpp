// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of window system at start-up: X11 where a Wayland session also offers it,
// since the screens place themselves; a platform the user chose is left alone. And the
// command line: none starts the program, --help and --version answer, the rest is refused.
#include "app/startup.h"

#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void platform_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("wayland with X11") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("xcb;wayland");
        QTest::newRow("wayland alone") << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("X11 alone") << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray();
        QTest::newRow("user's choice") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
                                       << QByteArray("wayland");
    }
    void platform()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, expected);
        const QByteArray saved[] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
        auto set = [](const char *name, const QByteArray &value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("QT_QPA_PLATFORM", chosen);
        set("WAYLAND_DISPLAY", wayland);
        set("DISPLAY", x11);
        ossarion::choosePlatform();
        const QByteArray result = qgetenv("QT_QPA_PLATFORM");
        set("QT_QPA_PLATFORM", saved[0]);
        set("WAYLAND_DISPLAY", saved[1]);
        set("DISPLAY", saved[2]);
        QCOMPARE(result, expected);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("error");
        QTest::addColumn<QStringList>("says"); // lines the text must hold, in this order
        QTest::addColumn<QString>("never");    // and a fragment it must not hold
        const QStringList helpLines = {
            QStringLiteral("Usage: "),
            QStringLiteral("Learn the bones of the human skeleton from labelled drawings and naming tests."),
            QStringLiteral("-h, --help"),
            QStringLiteral("-v, --version"),
        };
        const QStringList version = {QStringLiteral("Ossarion " OSSARION_PROJECT_VERSION "\n")};
        auto row = [](const char *tag, QStringList arguments) -> QTestData & {
            arguments.prepend(QStringLiteral("ossarion"));
            return QTest::newRow(tag) << arguments;
        };
        row("none", {}) << true << 0 << false << QStringList() << QString();
        row("--help", {QStringLiteral("--help")}) << false << 0 << false << helpLines << QStringLiteral("--help-all");
        row("-h", {QStringLiteral("-h")}) << false << 0 << false << helpLines << QStringLiteral("--help-all");
        row("--version", {QStringLiteral("--version")}) << false << 0 << false << version << QStringLiteral("Usage");
        row("-v", {QStringLiteral("-v")}) << false << 0 << false << version << QStringLiteral("Usage");
        row("--help after --version", {QStringLiteral("--version"), QStringLiteral("--help")})
            << false << 0 << false << helpLines << QString();
        row("unknown option", {QStringLiteral("--bogus")})
            << false << 1 << true << QStringList{QStringLiteral("Ossarion: Unknown option 'bogus'.\n")} << QString();
        // The toolkit's own options are not passed on, so they are not offered either.
        row("--help-all", {QStringLiteral("--help-all")})
            << false << 1 << true << QStringList{QStringLiteral("Unknown option 'help-all'")} << QString();
        row("toolkit option", {QStringLiteral("-platform"), QStringLiteral("xcb")})
            << false << 1 << true << QStringList{QStringLiteral("Unknown option 'platform'")} << QString();
        row("file name", {QStringLiteral("skeleton.txt")})
            << false << 1 << true << QStringList{QStringLiteral("Ossarion: Unexpected argument 'skeleton.txt'.\n")}
            << QString();
        row("option and file name", {QStringLiteral("--version"), QStringLiteral("x")})
            << false << 0 << false << version << QString();
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, run);
        QFETCH(int, status);
        QFETCH(bool, error);
        QFETCH(QStringList, says);
        QFETCH(QString, never);
        const ossarion::CommandLineAnswer answer = ossarion::readCommandLine(arguments);
        QCOMPARE(answer.run, run);
        if (run) {
            QVERIFY(answer.text.isEmpty());
            return;
        }
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.error, error);
        QVERIFY2(answer.text.endsWith(u'\n'), qPrintable(answer.text));
        qsizetype at = 0;
        for (const QString &line : says) {
            const qsizetype found = answer.text.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("'%1' missing from, or out of order in:\n%2").arg(line, answer.text)));
            at = found + line.size();
        }
        if (says.size() == 1)
            QCOMPARE(answer.text.count(u'\n'), 1); // one line, nothing more
        if (!never.isEmpty())
            QVERIFY2(!answer.text.contains(never), qPrintable(answer.text));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
