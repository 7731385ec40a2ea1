// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop icon, as the build renders it for the icon theme and as the scalable source
// draws at other sizes: square, on a transparent ground, filled with strong contrast, and
// sharp (its edge a thin band, not the wide soft or blocky edge of a small picture blown
// up); each PNG is the scalable icon at its size.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

namespace {

QImage renderScalable(int size)
{
    QSvgRenderer renderer(QStringLiteral(OSSARION_ICON_SVG));
    if (!renderer.isValid())
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

int luminance(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

} // namespace

class TestIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void icon_data()
    {
        QTest::addColumn<QString>("file"); // empty: the scalable source drawn at that size
        QTest::addColumn<int>("size");
        // The icon theme's sizes, each installed as a PNG.
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size)
                << QStringLiteral(OSSARION_ICON_DIR "/%1x%1/io.github.ossarion.Ossarion.png").arg(size) << size;
        // The scalable icon where a dock or software centre wants it larger or in between.
        for (int size : {40, 96, 512})
            QTest::addRow("scalable at %d", size) << QString() << size;
    }
    void icon()
    {
        QFETCH(QString, file);
        QFETCH(int, size);
        const QImage drawn = renderScalable(size);
        QVERIFY2(!drawn.isNull(), OSSARION_ICON_SVG " is not a valid SVG");
        QImage image = drawn;
        if (!file.isEmpty()) {
            QImage png(file);
            QVERIFY2(!png.isNull(), qPrintable(file + QStringLiteral(": no image")));
            QVERIFY2(png.hasAlphaChannel(), "the PNG has no alpha channel");
            image = png.convertToFormat(QImage::Format_ARGB32);
        }
        QCOMPARE(image.size(), QSize(size, size));

        qsizetype clear = 0, solid = 0, partial = 0, light = 0, dark = 0;
        int worst = 0; // largest difference from the scalable icon drawn at this size
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb c = image.pixel(x, y);
                const QRgb d = drawn.pixel(x, y);
                worst = std::max({worst, std::abs(qAlpha(c) - qAlpha(d)), std::abs(qRed(c) - qRed(d)),
                                  std::abs(qGreen(c) - qGreen(d)), std::abs(qBlue(c) - qBlue(d))});
                if (qAlpha(c) == 0) {
                    ++clear;
                } else if (qAlpha(c) == 255) {
                    ++solid;
                    if (luminance(c) >= 200)
                        ++light;
                    else if (luminance(c) <= 110)
                        ++dark;
                } else {
                    ++partial;
                }
            }
        const double area = double(size) * size;
        const QString counts = QStringLiteral("clear %1, solid %2 (light %3, dark %4), partial %5 of %6")
                                   .arg(clear).arg(solid).arg(light).arg(dark).arg(partial).arg(qsizetype(area));
        // A transparent ground: nothing in the corners, and a fair share of the square clear.
        for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            QVERIFY2(qAlpha(image.pixel(corner)) == 0, qPrintable(counts));
        QVERIFY2(clear >= 0.12 * area, qPrintable(counts));
        // Something solid fills most of it, with light marks on dark enough ground to read.
        QVERIFY2(solid >= 0.5 * area, qPrintable(counts));
        QVERIFY2(light >= 0.08 * area && dark >= 0.03 * area, qPrintable(counts));
        // Sharp: only a one-pixel band along the outline is partly covered. The outline is
        // at most the square's perimeter; a picture blown up from a smaller one has a band
        // as wide as its blow-up factor.
        QVERIFY2(partial <= 4 * size, qPrintable(counts));
        // The theme's picture is the scalable icon at its size, not another or a stale one.
        if (!file.isEmpty())
            QVERIFY2(worst <= 2, qPrintable(QStringLiteral("differs from the scalable icon by %1").arg(worst)));
    }
};

QTEST_MAIN(TestIcon)
#include "tst_icon.moc"
