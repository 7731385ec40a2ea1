// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of window system at start-up: X11 where a Wayland session also offers it,
// since the screens place themselves; a platform the user chose is left alone.
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
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
