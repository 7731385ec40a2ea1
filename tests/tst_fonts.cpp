// SPDX-License-Identifier: GPL-3.0-or-later
// The program's fonts: the design font wherever the desktop has it, under either of its
// names, else the substitute narrowed to its widths; and the desktop really draws them.
#include "screens/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTest>

using namespace ossarion;

class TestFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("substitute");
        const QString bitmap = QStringLiteral("MS Sans Serif");
        const QString outline = QStringLiteral("Microsoft Sans Serif");
        const QString liberation = QStringLiteral("Liberation Sans");
        QTest::newRow("Windows: both, the outline one draws every size") << QStringList{bitmap, outline} << outline << false;
        QTest::newRow("the bitmap font alone") << QStringList{bitmap} << bitmap << false;
        QTest::newRow("the outline font alone") << QStringList{outline} << outline << false;
        QTest::newRow("neither: the substitute") << QStringList{liberation, QStringLiteral("DejaVu Sans")} << liberation << true;
        QTest::newRow("nothing at all: still the substitute") << QStringList{} << liberation << true;
    }

    void choice()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, family);
        QFETCH(bool, substitute);
        const FontFamily chosen = chooseFamily([&](const QString &name) { return installed.contains(name); });
        QCOMPARE(chosen.name, family);
        QCOMPARE(chosen.substitute, substitute);
    }

    // What this desktop has decides the fonts, and the family asked for is the one drawn; a
    // substitute's captions take the share of its own widths that the design font's take,
    // on whichever font engine draws them.
    void onThisDesktop_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<double>("substituteShare");
        QTest::newRow("standard") << standardFont() << 11 << 0.96;
        QTest::newRow("heading") << headingFont() << 18 << 1.0;
    }

    void onThisDesktop()
    {
        QFETCH(QFont, font);
        QFETCH(int, pixels);
        QFETCH(double, substituteShare);
        const FontFamily chosen = chooseFamily([](const QString &name) { return QFontDatabase::hasFamily(name); });
        QCOMPARE(font.family(), chosen.name);
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(font.weight(), QFont::Normal);
        QCOMPARE(QFontInfo(font).family(), chosen.name);
        QCOMPARE(QFontInfo(font).pixelSize(), pixels);

        QFont plain(chosen.name);
        plain.setPixelSize(pixels);
        const QString caption = QStringLiteral("Rib cage - 12 pairs of ribs");
        const double share = QFontMetricsF(font).horizontalAdvance(caption)
                             / QFontMetricsF(plain).horizontalAdvance(caption);
        const double expected = chosen.substitute ? substituteShare : 1.0;
        QVERIFY2(qAbs(share - expected) < 0.01,
                 qPrintable(QStringLiteral("captions at %1 % of the font's widths, not %2 %")
                                .arg(share * 100, 0, 'f', 1).arg(expected * 100, 0, 'f', 1)));
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
