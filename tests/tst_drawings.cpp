// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled-in drawings: their sizes, their ground, that they show something, and that
// their leader lines end where the screens place the labels and answer boxes and start on
// the bones they name.
#include "tools/rasterise/anchors.h"
#include "assets/assets.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace ossarion;
using anchors::Anchor;
using anchors::Side;

Q_DECLARE_METATYPE(ossarion::Asset)

namespace {

constexpr QRgb ground = qRgb(225, 224, 226);
constexpr QRgb leaderBlue = qRgb(0, 0, 255);
constexpr int endTolerance = 3; // pixels; the aim is 1

QString fileOf(Asset a)
{
    const auto f = assetInfo(a).file;
    return QString::fromLatin1(f.data(), qsizetype(f.size()));
}

QImage picture(Asset a, bool doubled)
{
    QImage image(QStringLiteral(":/pictures/") + fileOf(a)
                 + (doubled ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    return image.convertToFormat(QImage::Format_RGB32);
}

QRgb groundOf(Asset a) { return a == Asset::Icon ? qRgb(255, 255, 255) : ground; }

bool isBlue(QRgb c) { return (c & 0xFFFFFF) == (leaderBlue & 0xFFFFFF); }

// Blue as a leader line would be, including a line drawn with smoothing in the source.
bool isBluish(QRgb c)
{
    return qBlue(c) >= 160 && qBlue(c) - std::max(qRed(c), qGreen(c)) >= 120;
}

QString pointText(QPoint p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()); }

// The pixels of the four edges of an image, each once.
QList<QPoint> edgePixels(QSize size)
{
    QList<QPoint> edge;
    const int w = size.width(), h = size.height();
    for (int x = 0; x < w; ++x) {
        edge << QPoint(x, 0);
        if (h > 1)
            edge << QPoint(x, h - 1);
    }
    for (int y = 1; y + 1 < h; ++y) {
        edge << QPoint(0, y);
        if (w > 1)
            edge << QPoint(w - 1, y);
    }
    return edge;
}

// The distance from the anchor's own end to the nearest blue pixel on its edge, looking
// no further than `limit`; -1 when there is none that near.
int distanceToLineEnd(const QImage &image, const Anchor &a, int limit)
{
    for (int d = 0; d <= limit; ++d) {
        for (const int along : {a.pixel - d, a.pixel + d}) {
            const bool across = a.side == Side::Below || a.side == Side::Above;
            const QPoint p = across ? QPoint(along, a.y) : QPoint(a.x, along);
            if (image.rect().contains(p) && isBlue(image.pixel(p)))
                return d;
        }
    }
    return -1;
}

// A drawing's source as it is before its leader lines are drawn, at its size and on the
// same white the build renders it on.
QImage withoutLeaders(Asset a)
{
    QSvgRenderer renderer(QStringLiteral(OSSARION_DRAWINGS_DIR "/") + fileOf(a) + QStringLiteral(".svg"));
    if (!renderer.isValid())
        return {};
    QImage image(assetInfo(a).width, assetInfo(a).height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    return image;
}

// The leaders and brackets of a drawing's source: where a leader starts (its "from" point;
// a decimal coordinate names the pixel it falls in), where a bracket stands, and the
// controls each serves.
struct SourceLine {
    QString controls;
    bool bracket = false;
    QPoint from;          // leader
    int at = 0, y1 = 0, y2 = 0; // bracket
    QPointF exact;        // leader: its "from" point as written
};

QList<SourceLine> sourceLines(Asset a)
{
    QList<SourceLine> found;
    QFile file(QStringLiteral(OSSARION_DRAWINGS_DIR "/") + fileOf(a) + QStringLiteral(".svg"));
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    static const QRegularExpression leader(
        QStringLiteral("^\\s*leader\\s+(.*?)\\s+from\\s+(-?[0-9.]+)\\s+(-?[0-9.]+)"));
    static const QRegularExpression bracket(
        QStringLiteral("^\\s*bracket\\s+(.*?)\\s+at\\s+(-?[0-9.]+)\\s+from\\s+(-?[0-9.]+)\\s+to\\s+(-?[0-9.]+)"));
    const auto pixel = [](const QString &n) { return int(std::floor(n.toDouble())); };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("metadata")
            || xml.attributes().value(QLatin1String("id")) != QLatin1String("leaders"))
            continue;
        const QStringList lines = xml.readElementText(QXmlStreamReader::IncludeChildElements).split(QLatin1Char('\n'));
        for (const QString &whole : lines) {
            const QString line = whole.section(QLatin1Char('#'), 0, 0);
            if (const auto m = leader.match(line); m.hasMatch())
                found.append({m.captured(1), false, QPoint(pixel(m.captured(2)), pixel(m.captured(3))), 0, 0, 0,
                              QPointF(m.captured(2).toDouble(), m.captured(3).toDouble())});
            else if (const auto m = bracket.match(line); m.hasMatch())
                found.append({m.captured(1), true, {}, pixel(m.captured(2)), pixel(m.captured(3)), pixel(m.captured(4)), {}});
        }
    }
    return found;
}

void addDrawingRows()
{
    QTest::addColumn<Asset>("asset");
    for (const auto &info : assetTable)
        QTest::newRow(info.file.data()) << info.asset;
}

} // namespace

class TestDrawings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void size_data() { addDrawingRows(); }
    void size()
    {
        QFETCH(Asset, asset);
        const QSize expected(assetInfo(asset).width, assetInfo(asset).height);
        const QImage one = picture(asset, false), two = picture(asset, true);
        QVERIFY2(!one.isNull(), "the drawing is not among the program's resources");
        QVERIFY2(!two.isNull(), "the double-size drawing is not among the program's resources");
        QCOMPARE(one.size(), expected);
        QCOMPARE(two.size(), expected * 2);
    }

    // The drawing ground blends with the grey screens; the icon is a white square.
    void groundAtCorners_data() { addDrawingRows(); }
    void groundAtCorners()
    {
        QFETCH(Asset, asset);
        for (const bool doubled : {false, true}) {
            const QImage image = picture(asset, doubled);
            QVERIFY(!image.isNull());
            const QRect r = image.rect();
            for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                const QRgb c = image.pixel(corner);
                QVERIFY2((c & 0xFFFFFF) == (groundOf(asset) & 0xFFFFFF),
                         qPrintable(QStringLiteral("%1 at %2 is rgb(%3,%4,%5)")
                                        .arg(doubled ? QStringLiteral("2x") : QStringLiteral("1x"),
                                             pointText(corner))
                                        .arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c))));
            }
        }
    }

    // A drawing shows something: a fair share of it is not ground, with black outlines.
    void notBlank_data() { addDrawingRows(); }
    void notBlank()
    {
        QFETCH(Asset, asset);
        const QImage image = picture(asset, false);
        QVERIFY(!image.isNull());
        const qsizetype total = qsizetype(image.width()) * image.height();
        qsizetype drawn = 0, dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if ((c & 0xFFFFFF) != (groundOf(asset) & 0xFFFFFF))
                    ++drawn;
                if (std::max({qRed(c), qGreen(c), qBlue(c)}) <= 96)
                    ++dark;
            }
        const QString counts = QStringLiteral("%1 of %2 pixels drawn, %3 dark").arg(drawn).arg(total).arg(dark);
        QVERIFY2(drawn * 100 >= total * 3, qPrintable(counts + QStringLiteral(": under 3% drawn")));
        QVERIFY2(dark * 1000 >= total * 5 && dark >= 10,
                 qPrintable(counts + QStringLiteral(": too few black outline pixels")));
    }

    // Every label and answer box beside the drawing has a blue line ending at the edge
    // level with its middle.
    void lineEnds_data() { addDrawingRows(); }
    void lineEnds()
    {
        QFETCH(Asset, asset);
        const QImage image = picture(asset, false);
        QVERIFY(!image.isNull());
        int worst = 0, missing = 0;
        QString worstAt;
        const auto ends = anchors::anchorsOf(asset);
        for (const Anchor &a : ends) {
            const int d = distanceToLineEnd(image, a, endTolerance);
            const QString where = QStringLiteral("%1 (%2 at %3)")
                                      .arg(QString::fromStdString(a.name()),
                                           QString::fromLatin1(anchors::sideName(a.side).data()),
                                           pointText({a.x, a.y}));
            if (d < 0) {
                qWarning("no line end within %d px for %s", endTolerance, qPrintable(where));
                ++missing;
                continue;
            }
            if (d > worst || worstAt.isEmpty()) {
                worst = std::max(worst, d);
                if (d == worst)
                    worstAt = where;
            }
        }
        if (!worstAt.isEmpty())
            qInfo("worst line end: %d px from %s", worst, qPrintable(worstAt));
        QVERIFY2(missing == 0, qPrintable(QStringLiteral("%1 of %2 line ends missing (listed above)")
                                              .arg(missing).arg(ends.size())));
    }

    // No blue pixel at an edge where no label or answer box stands.
    void noStrayLineEnds_data() { addDrawingRows(); }
    void noStrayLineEnds()
    {
        QFETCH(Asset, asset);
        const QImage image = picture(asset, false);
        QVERIFY(!image.isNull());
        const auto ends = anchors::anchorsOf(asset);
        QStringList strays;
        for (const QPoint p : edgePixels(image.size())) {
            if (!isBluish(image.pixel(p)))
                continue;
            const bool explained = std::any_of(ends.begin(), ends.end(), [&](const Anchor &a) {
                return std::max(std::abs(a.x - p.x()), std::abs(a.y - p.y())) <= endTolerance;
            });
            if (!explained)
                strays << pointText(p);
        }
        QVERIFY2(strays.isEmpty(),
                 qPrintable(QStringLiteral("blue at the edge where nothing stands: ") + strays.join(QLatin1Char(' '))));
    }

    // Both renderings carry the same lines: every blue pixel of the drawing is a 2 x 2
    // block at the doubled position, and there is no other pure blue at 2x.
    void linesAgreeAtDoubleSize_data() { addDrawingRows(); }
    void linesAgreeAtDoubleSize()
    {
        QFETCH(Asset, asset);
        const QImage one = picture(asset, false), two = picture(asset, true);
        QVERIFY(!one.isNull() && !two.isNull());
        QCOMPARE(two.size(), one.size() * 2);
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x)
                if (isBlue(one.pixel(x / 2, y / 2)) != isBlue(two.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("2x pixel %1 disagrees with 1x pixel %2")
                                         .arg(pointText({x, y}), pointText({x / 2, y / 2}))));
    }

    // Every leader line starts on its bone: on a drawn pixel of the drawing as it is without
    // its lines, not on the ground, and the compiled picture has its line there. A bracket
    // stands beside its bones, never across one, with bone behind it.
    void leadersStartOnBones_data() { addDrawingRows(); }
    void leadersStartOnBones()
    {
        QFETCH(Asset, asset);
        const QImage bare = withoutLeaders(asset);
        QVERIFY2(!bare.isNull(), "the drawing's source cannot be read");
        const QImage compiled = picture(asset, false);
        const auto drawn = [&](int x, int y) { return (bare.pixel(x, y) & 0xFFFFFF) != (ground & 0xFFFFFF); };
        const auto lines = sourceLines(asset);
        QCOMPARE(lines.isEmpty(), anchors::anchorsOf(asset).empty());
        QStringList offBone;
        for (const SourceLine &l : lines) {
            if (!l.bracket) {
                QVERIFY2(bare.rect().contains(l.from), qPrintable(l.controls + QStringLiteral(" starts outside the drawing")));
                if (!drawn(l.from.x(), l.from.y()))
                    offBone << QStringLiteral("%1 at %2").arg(l.controls, pointText(l.from));
                QVERIFY2(isBlue(compiled.pixel(l.from)),
                         qPrintable(l.controls + QStringLiteral(": no line drawn at its start ") + pointText(l.from)));
                continue;
            }
            const auto end = anchors::findAnchor(asset, l.controls.section(QLatin1Char(' '), 0, 0).toStdString());
            QVERIFY2(end, qPrintable(l.controls));
            const int back = end->side == Side::Right ? -1 : 1;
            QVERIFY(bare.rect().contains(l.at, l.y1) && bare.rect().contains(l.at, l.y2));
            bool boneBehind = false;
            for (int y = l.y1; y <= l.y2; ++y) {
                QVERIFY2(!drawn(l.at, y), qPrintable(QStringLiteral("the bracket of %1 crosses a bone at %2")
                                                         .arg(l.controls, pointText({l.at, y}))));
                for (int x = l.at + back; x >= 0 && x < bare.width() && !boneBehind; x += back)
                    boneBehind = drawn(x, y);
            }
            if (!boneBehind)
                offBone << QStringLiteral("the bracket of %1").arg(l.controls);
        }
        QVERIFY2(offBone.isEmpty(), qPrintable(QStringLiteral("off the bones: ") + offBone.join(QLatin1String(", "))));
    }

    // Lines that leave their bone straight for the edge without crossing any other bone:
    // once such a line is off its own bone it runs over the ground alone to its label.
    void linesLeaveWithoutCrossing_data()
    {
        QTest::addColumn<Asset>("asset");
        QTest::addColumn<QString>("label");
        QTest::newRow("femur") << Asset::Leg << QStringLiteral("Form10.Label1");
        QTest::newRow("tibia") << Asset::Leg << QStringLiteral("Form10.Label3");
        QTest::newRow("fibula") << Asset::Leg << QStringLiteral("Form10.Label4");
        QTest::newRow("tarsals") << Asset::Leg << QStringLiteral("Form10.Label5");
        QTest::newRow("metatarsals") << Asset::Leg << QStringLiteral("Form10.Label6");
        QTest::newRow("phalanges") << Asset::Leg << QStringLiteral("Form10.Label7");
        QTest::newRow("collar bone") << Asset::Arm << QStringLiteral("Form6.Label7");
        QTest::newRow("shoulder blade") << Asset::Arm << QStringLiteral("Form6.Label8");
        QTest::newRow("humerus") << Asset::Arm << QStringLiteral("Form6.Label1");
    }
    void linesLeaveWithoutCrossing()
    {
        QFETCH(Asset, asset);
        QFETCH(QString, label);
        const QImage bare = withoutLeaders(asset);
        QVERIFY2(!bare.isNull(), "the drawing's source cannot be read");
        const auto end = anchors::findAnchor(asset, label.toStdString());
        QVERIFY(end);
        QVERIFY2(end->side == Side::Right || end->side == Side::Left, qPrintable(label + QStringLiteral(": not beside the drawing")));
        const auto lines = sourceLines(asset);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const SourceLine &l) {
            return !l.bracket && l.controls.section(QLatin1Char(' '), 0, 0) == label;
        });
        QVERIFY2(line != lines.end(), qPrintable(label + QStringLiteral(": no line in the source")));
        // a pixel of an outline: dark, as a black stroke is where it covers half a pixel or more
        const auto dark = [&](QPointF p) {
            const QRgb c = bare.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
            return std::min({qRed(c), qGreen(c), qBlue(c)}) < 170;
        };
        const QPointF from = line->exact;
        const QPointF to(end->x + 0.5, end->along);
        const int steps = int(std::ceil(std::hypot(to.x() - from.x(), to.y() - from.y()) / 0.1));
        // the line crosses its own bone's outline as it leaves it, and no other outline after
        int outlines = 0;
        bool off = false, before = false;
        for (int k = 0; k <= steps; ++k) {
            const QPointF p = from + (to - from) * (double(k) / steps);
            const bool now = dark(p);
            if (now && !before && ++outlines > 1)
                QFAIL(qPrintable(QStringLiteral("%1: the line from %2 crosses another outline at (%3, %4)")
                                     .arg(label, pointText(line->from)).arg(p.x(), 0, 'f', 1).arg(p.y(), 0, 'f', 1)));
            off = off || (outlines == 1 && !now);
            before = now;
        }
        QVERIFY2(off, qPrintable(label + QStringLiteral(" never leaves its bone")));
    }

    // A bracket's bar is whole but where a leader runs across it: there it leaves two rows
    // clear either side of the line, so that the line reads as going by, not as a branch.
    void bracketBarsBreakOnlyForCrossingLines_data() { addDrawingRows(); }
    void bracketBarsBreakOnlyForCrossingLines()
    {
        QFETCH(Asset, asset);
        const QImage compiled = picture(asset, false);
        const auto blue = [&](int x, int y) { return compiled.rect().contains(x, y) && isBlue(compiled.pixel(x, y)); };
        const auto nearRow = [&](int x, int y) { return blue(x, y - 1) || blue(x, y) || blue(x, y + 1); };
        for (const SourceLine &l : sourceLines(asset)) {
            if (!l.bracket)
                continue;
            const auto end = anchors::findAnchor(asset, l.controls.section(QLatin1Char(' '), 0, 0).toStdString());
            QVERIFY2(end, qPrintable(l.controls));
            // rows where the bar's own ticks or stem reach out beside it (the stem's row is
            // the controls' average, within a few rows of the first one's)
            const auto ownRow = [&](int y) {
                return std::abs(y - l.y1) <= 1 || std::abs(y - l.y2) <= 1 || std::abs(y - end->y) <= 4;
            };
            // a line passing through the bar's column at row y: blue on both sides of it
            const auto crossing = [&](int y) {
                return !ownRow(y) && blue(l.at, y) && nearRow(l.at - 1, y) && nearRow(l.at + 1, y);
            };
            for (int y = l.y1; y <= l.y2; ++y) {
                const QString where = l.controls + QStringLiteral(" at ") + pointText({l.at, y});
                if (!blue(l.at, y)) {
                    bool byLine = false;
                    for (int d = -2; d <= 2; ++d)
                        byLine = byLine || crossing(y + d);
                    QVERIFY2(byLine, qPrintable(QStringLiteral("the bracket's bar is broken with no line across it: ") + where));
                } else if (crossing(y)) {
                    for (int d : {-2, -1, 1, 2})
                        if (y + d > l.y1 && y + d < l.y2)
                            QVERIFY2(!blue(l.at, y + d) || crossing(y + d),
                                     qPrintable(QStringLiteral("the bracket's bar runs on into a crossing line: ") + where));
                }
            }
        }
    }

    // Where the screens' layout puts line ends, checked against values worked out by hand.
    void lineEndsFollowTheLayout()
    {
        // Drawings that no label or answer box stands beside have no leader lines.
        for (const Asset a : {Asset::Title, Asset::Skull, Asset::CraniumSide, Asset::Face,
                              Asset::SmallFace, Asset::HipBone, Asset::Icon})
            QVERIFY2(anchors::anchorsOf(a).empty(), qPrintable(fileOf(a)));
        for (const auto &info : assetTable)
            if (!QList<Asset>{Asset::Title, Asset::Skull, Asset::CraniumSide, Asset::Face,
                              Asset::SmallFace, Asset::HipBone, Asset::Icon}.contains(info.asset))
                QVERIFY2(!anchors::anchorsOf(info.asset).empty(), info.file.data());

        // Form25: "Hyoid" 1940 twips down, the drawing at 240: 129 - 16 pixels, then half
        // a 13-pixel line; the edge column is the drawing's last.
        const auto hyoid = anchors::findAnchor(Asset::Hyoid, "Form25.Label1");
        QVERIFY(hyoid);
        QCOMPARE(hyoid->side, Side::Right);
        QCOMPARE(hyoid->x, 232);
        QCOMPARE(hyoid->y, 119);
        // The word-wrapped label: level with its second line (305 - 192 + 19.5).
        const auto fontanelle = anchors::findAnchor(Asset::Fontanelle, "Form25.Label6");
        QVERIFY(fontanelle);
        QCOMPARE(fontanelle->y, 132);
        // An answer box: half its 19 pixels (Form7 Text1 at 1500 twips, the arm at 120).
        const auto humerus = anchors::findAnchor(Asset::Arm, "Form7.Text1");
        QVERIFY(humerus);
        QCOMPARE(humerus->y, 100 - 8 + 9);

        // A hint label that follows its answer box is part of it: "cage" after Text21.
        const auto ribCage = anchors::findAnchor(Asset::SkeletonFront, "Form4.Label3");
        QVERIFY(ribCage);
        QCOMPARE(QString::fromStdString(ribCage->name()), QStringLiteral("Form4.Text21"));
        QCOMPARE(ribCage->side, Side::Left);
        QCOMPARE(ribCage->x, 0);

        // The headings of the pelvis screen are no line ends.
        QCOMPARE(anchors::anchorsOf(Asset::PelvisFront).size(), std::size_t(2));
        QCOMPARE(anchors::anchorsOf(Asset::PelvisBack).size(), std::size_t(3));

        // The box below the sacrum also touches the coccyx's side and the hip bone's:
        // it is the sacrum's, at the bottom edge.
        const auto sacrum = anchors::findAnchor(Asset::Sacrum, "Form15.Text2");
        QVERIFY(sacrum);
        QCOMPARE(sacrum->side, Side::Below);
        QCOMPARE(sacrum->y, 179);
        QVERIFY(!anchors::findAnchor(Asset::Coccyx, "Form15.Text2"));
        QVERIFY(!anchors::findAnchor(Asset::MarkedHipBone, "Form15.Text2"));

        // A long label that begins over the drawing stands above it, its end in the middle
        // of the part over the drawing (columns 408 to 489 of the screen, the drawing at 274).
        const auto atlas = anchors::findAnchor(Asset::Spine, "Form23.Label11");
        QVERIFY(atlas);
        QCOMPARE(atlas->side, Side::Above);
        QCOMPARE(atlas->x, (408 + 490) / 2 - 274);
        QCOMPARE(atlas->y, 0);
    }
};

QTEST_MAIN(TestDrawings)
#include "tst_drawings.moc"
