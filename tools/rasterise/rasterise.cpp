// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders every drawing's SVG source at its pixel size and at twice that size,
// then draws its leader lines, whose ends come from the screen descriptions.
//   ossarion_rasterise <directory of sources> <directory for the images> [name...]
//       With names, only those drawings are rendered.
//   ossarion_rasterise --anchors <name> [directory of sources]
//       Lists every place at the drawing's edges where a line must end (every label and
//       answer box that stands beside the drawing on a screen showing it) and which
//       leader of the source, if any, ends there.
//
// Leader lines are described inside the SVG, one per line, coordinates in drawing pixels
// at 1x (x right, y down; a decimal coordinate names the pixel it falls in), '#' starting
// a comment:
//   <metadata id="leaders">
//     leader Form6.Label1 Form7.Text1 from 118 104 [via 120 150 ...]
//     bracket Form8.Label1 Form9.Text1 at 262 from 20 to 90
//   </metadata>
// A leader runs from its bone point through the via points to the end point at the
// drawing's edge beside the named controls (averaged over them). A bracket is a vertical
// line at column `at` from row `from` to row `to` with 3-pixel ticks at both ends pointing
// back towards the bones, and a stem from the bracket straight to the end point; where a
// leader or another bracket's stem crosses the bar, the bar breaks for two rows either
// side. Lines are pure blue, 1 pixel, aliased; at 2x every pixel is a 2 x 2 block.
#include "tools/rasterise/anchors.h"
#include "assets/assets.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#ifndef OSSARION_DRAWINGS_DIR
#define OSSARION_DRAWINGS_DIR "."
#endif

namespace {

using ossarion::AssetInfo;
using ossarion::anchors::Anchor;
using ossarion::anchors::Side;

constexpr QRgb leaderBlue = qRgb(0, 0, 255);
constexpr int endTolerance = 3; // pixels between a control's own end and the drawn end
constexpr int barGap = 2;       // rows a bracket's bar leaves clear either side of a crossing line

QString fileName(const AssetInfo &info)
{
    return QString::fromLatin1(info.file.data(), qsizetype(info.file.size()));
}

// One leader or bracket as the source describes it, with its computed end.
struct Leader {
    int line = 0;             // line of the SVG source, for messages
    bool bracket = false;
    QStringList controls;     // "Screen.Control"
    QList<QPoint> points;     // leader: from, via...; bracket: (at, from), (at, to)
    QPoint end;               // on the drawing's edge
    Side side = Side::Right;
};

struct Problem {
    int line;
    QString text;
};

// The text of <metadata id="leaders"> and the line it starts on; empty when there is none.
bool readLeaderText(const QString &path, QString &text, int &firstLine, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read");
        return false;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("metadata")
            && xml.attributes().value(QLatin1String("id")) == QLatin1String("leaders")) {
            firstLine = int(xml.lineNumber());
            text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            break;
        }
    }
    if (xml.hasError()) {
        error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

// A coordinate: a whole or decimal number of pixels; it names the pixel it falls in.
bool toPixel(const QString &s, int &v)
{
    bool ok = false;
    const double d = s.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::abs(d) > 1e6)
        return false;
    v = int(std::floor(d));
    return true;
}

// Parses the leader descriptions and computes their ends; every fault goes to `problems`.
QList<Leader> parseLeaders(const AssetInfo &info, const QString &text, int firstLine,
                           QList<Problem> &problems)
{
    QList<Leader> leaders;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = firstLine + int(i);
        QString line = lines[i];
        if (const auto hash = line.indexOf(QLatin1Char('#')); hash >= 0)
            line.truncate(hash);
        const QStringList t = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (t.isEmpty())
            continue;
        auto fail = [&](const QString &why) { problems.append({lineNo, why}); };

        Leader l;
        l.line = lineNo;
        if (t[0] == QLatin1String("leader"))
            l.bracket = false;
        else if (t[0] == QLatin1String("bracket"))
            l.bracket = true;
        else {
            fail(QStringLiteral("expected 'leader' or 'bracket', found '%1'").arg(t[0]));
            continue;
        }
        qsizetype k = 1;
        while (k < t.size() && t[k].contains(QLatin1Char('.')))
            l.controls << t[k++];
        if (l.controls.isEmpty()) {
            fail(QStringLiteral("names no control (write Screen.Control)"));
            continue;
        }
        QList<int> numbers;
        bool syntaxOk = true;
        auto number = [&](qsizetype at) {
            int v = 0;
            if (at >= t.size() || !toPixel(t[at], v)) {
                syntaxOk = false;
                return 0;
            }
            return v;
        };
        if (!l.bracket) {
            // from X Y [via X Y]...
            if (k >= t.size() || t[k] != QLatin1String("from"))
                syntaxOk = false;
            else {
                l.points << QPoint(number(k + 1), number(k + 2));
                k += 3;
                while (syntaxOk && k < t.size()) {
                    if (t[k] != QLatin1String("via")) {
                        syntaxOk = false;
                        break;
                    }
                    l.points << QPoint(number(k + 1), number(k + 2));
                    k += 3;
                }
            }
            if (!syntaxOk) {
                fail(QStringLiteral("expected: leader <Screen.Control>... from X Y [via X Y]..."));
                continue;
            }
        } else {
            // at X from Y1 to Y2
            if (t.size() != k + 6 || t[k] != QLatin1String("at") || t[k + 2] != QLatin1String("from")
                || t[k + 4] != QLatin1String("to"))
                syntaxOk = false;
            const int x = number(k + 1), y1 = number(k + 3), y2 = number(k + 5);
            if (!syntaxOk) {
                fail(QStringLiteral("expected: bracket <Screen.Control>... at X from Y1 to Y2"));
                continue;
            }
            if (y1 >= y2) {
                fail(QStringLiteral("a bracket runs down: 'from' must be above 'to'"));
                continue;
            }
            l.points << QPoint(x, y1) << QPoint(x, y2);
        }
        bool pointsOk = true;
        for (const QPoint &p : l.points)
            if (p.x() < 0 || p.y() < 0 || p.x() >= info.width || p.y() >= info.height) {
                fail(QStringLiteral("point %1 %2 lies outside the %3 x %4 drawing")
                         .arg(p.x()).arg(p.y()).arg(info.width).arg(info.height));
                pointsOk = false;
            }
        if (!pointsOk)
            continue;

        // The end point: beside every named control, averaged.
        QList<Anchor> found;
        bool namesOk = true;
        for (const QString &name : l.controls) {
            const std::string n = name.toStdString();
            if (!ossarion::anchors::controlExists(n)) {
                fail(QStringLiteral("%1 does not exist").arg(name));
                namesOk = false;
                continue;
            }
            const auto a = ossarion::anchors::findAnchor(info.asset, n);
            if (!a) {
                fail(QStringLiteral("%1 does not stand beside this drawing on a screen showing it "
                                    "(see --anchors %2)").arg(name, fileName(info)));
                namesOk = false;
                continue;
            }
            found << *a;
        }
        if (!namesOk)
            continue;
        l.side = found.front().side;
        double sum = 0;
        for (const Anchor &a : found) {
            sum += a.along;
            if (a.side != l.side) {
                fail(QStringLiteral("%1 stands %2 the drawing but %3 %4")
                         .arg(QString::fromStdString(a.name()),
                              QString::fromLatin1(ossarion::anchors::sideName(a.side)),
                              QString::fromStdString(found.front().name()),
                              QString::fromLatin1(ossarion::anchors::sideName(l.side))));
                namesOk = false;
            }
        }
        if (!namesOk)
            continue;
        const int along = int(std::floor(sum / double(found.size())));
        for (const Anchor &a : found)
            if (std::abs(a.pixel - along) > endTolerance) {
                fail(QStringLiteral("%1 has its own end at %2, %3 pixels from the shared end at %4 "
                                    "(at most %5): give it a leader of its own")
                         .arg(QString::fromStdString(a.name())).arg(a.pixel)
                         .arg(std::abs(a.pixel - along)).arg(along).arg(endTolerance));
                namesOk = false;
            }
        if (!namesOk)
            continue;
        switch (l.side) {
        case Side::Right: l.end = QPoint(info.width - 1, along); break;
        case Side::Left: l.end = QPoint(0, along); break;
        case Side::Below: l.end = QPoint(along, info.height - 1); break;
        case Side::Above: l.end = QPoint(along, 0); break;
        }
        if (l.bracket && l.side != Side::Right && l.side != Side::Left) {
            fail(QStringLiteral("a bracket's controls must stand right or left of the drawing"));
            continue;
        }
        leaders << l;
    }
    return leaders;
}

// The pixels of a 1-pixel line from a to b, both ends included.
void plotLine(QPoint a, QPoint b, QSet<QPair<int, int>> &pixels)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        pixels.insert({x, y});
        if (x == b.x() && y == b.y())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

QSet<QPair<int, int>> leaderPixels(const QList<Leader> &leaders)
{
    using Pixels = QSet<QPair<int, int>>;
    Pixels pixels;
    for (const Leader &l : leaders) {
        if (l.bracket)
            continue;
        QList<QPoint> path = l.points;
        path << l.end;
        for (qsizetype i = 0; i + 1 < path.size(); ++i)
            plotLine(path[i], path[i + 1], pixels);
    }
    // each bracket's stem, from its bar straight to its end point
    QList<Pixels> stems;
    for (const Leader &l : leaders) {
        Pixels stem;
        if (l.bracket) {
            const int x = l.points[0].x();
            plotLine({x, std::clamp(l.end.y(), l.points[0].y(), l.points[1].y())}, l.end, stem);
        }
        stems << stem;
    }
    // A leader, or another bracket's stem, that runs across a bracket's bar passes through
    // a gap in it, so that it reads as a line of its own going by rather than as one more
    // branch of the bracket.
    const Pixels leaderLines = pixels;
    for (qsizetype i = 0; i < leaders.size(); ++i) {
        const Leader &l = leaders[i];
        if (!l.bracket)
            continue;
        const auto crossed = [&](int x, int y) {
            for (int d = -barGap; d <= barGap; ++d) {
                if (leaderLines.contains({x, y + d}))
                    return true;
                for (qsizetype j = 0; j < stems.size(); ++j)
                    if (j != i && stems[j].contains({x, y + d}))
                        return true;
            }
            return false;
        };
        const int x = l.points[0].x(), y1 = l.points[0].y(), y2 = l.points[1].y();
        const int back = l.side == Side::Right ? -3 : 3; // ticks point back towards the bones
        for (int y = y1; y <= y2; ++y)
            if (!crossed(x, y) || y == y1 || y == y2)
                pixels.insert({x, y});
        plotLine({x, y1}, {x + back, y1}, pixels);
        plotLine({x, y2}, {x + back, y2}, pixels);
        pixels.unite(stems[i]);
    }
    return pixels;
}

bool render(QSvgRenderer &renderer, const QSet<QPair<int, int>> &lines, const QString &target,
            QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size * scale)));
    painter.end();
    for (const auto &[x, y] : lines)
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                image.setPixel(x * scale + dx, y * scale + dy, leaderBlue);
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(target));
        return false;
    }
    return true;
}

// Reads the leaders of one source; prints every fault and returns false on any.
bool loadLeaders(const AssetInfo &info, const QString &source, QList<Leader> &leaders)
{
    QString text, error;
    int firstLine = 0;
    if (!readLeaderText(source, text, firstLine, error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(error));
        return false;
    }
    QList<Problem> problems;
    leaders = parseLeaders(info, text, firstLine, problems);
    for (const Problem &p : problems)
        std::fprintf(stderr, "%s:%d: error: %s\n", qPrintable(source), p.line, qPrintable(p.text));
    return problems.isEmpty();
}

bool rasterise(const AssetInfo &info, const QDir &sources, const QDir &images)
{
    const QString name = fileName(info);
    const QString source = sources.filePath(name + QStringLiteral(".svg"));
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG\n", qPrintable(source));
        return false;
    }
    QList<Leader> leaders;
    if (!loadLeaders(info, source, leaders))
        return false;
    const auto lines = leaderPixels(leaders);
    const QSize size(info.width, info.height);
    bool ok = render(renderer, lines, images.filePath(name + QStringLiteral(".png")), size, 1);
    ok = render(renderer, lines, images.filePath(name + QStringLiteral("@2x.png")), size, 2) && ok;
    return ok;
}

int printAnchors(const QString &name, const QDir &sources)
{
    const auto it = std::find_if(ossarion::assetTable.begin(), ossarion::assetTable.end(),
                                 [&](const AssetInfo &i) { return fileName(i) == name; });
    if (it == ossarion::assetTable.end()) {
        std::fprintf(stderr, "no drawing named '%s'\n", qPrintable(name));
        return 2;
    }
    const AssetInfo &info = *it;
    const QString source = sources.filePath(name + QStringLiteral(".svg"));
    QList<Leader> leaders;
    const bool haveSource = QFile::exists(source);
    const bool leadersOk = haveSource && loadLeaders(info, source, leaders);

    std::printf("# %s %d x %d: line ends at its edges, in drawing pixels at 1x (x right, y down)\n",
                qPrintable(name), info.width, info.height);
    std::printf("# side     x    y   exact  gap  control             drawn by           caption\n");
    const auto all = ossarion::anchors::anchorsOf(info.asset);
    for (const Anchor &a : all) {
        QString by = QStringLiteral("none yet");
        for (const Leader &l : leaders)
            for (const QString &c : l.controls)
                if (const auto f = ossarion::anchors::findAnchor(info.asset, c.toStdString());
                    f && f->screen == a.screen && f->control == a.control)
                    by = QStringLiteral("%1 (line %2)")
                             .arg(l.bracket ? QStringLiteral("bracket") : QStringLiteral("leader"))
                             .arg(l.line);
        QString control = QString::fromStdString(a.name());
        if (a.hint)
            control += QStringLiteral("+") + QString::fromLatin1(a.hint->name.data(), qsizetype(a.hint->name.size()));
        QString caption = a.control->kind == ossarion::Kind::TextBox
            ? QStringLiteral("[answer box]")
            : QString::fromLatin1(a.control->text.data(), qsizetype(a.control->text.size()));
        if (a.hint)
            caption += QStringLiteral(" ") + QString::fromLatin1(a.hint->text.data(), qsizetype(a.hint->text.size()));
        std::printf("%-6s %4d %4d %7.2f %4d  %-19s %-18s %s\n",
                    std::string(ossarion::anchors::sideName(a.side)).c_str(), a.x, a.y, a.along,
                    a.gap, qPrintable(control), qPrintable(by), qPrintable(caption));
    }
    if (all.empty())
        std::printf("# no label or answer box stands beside this drawing: it has no leader lines\n");
    if (!haveSource)
        std::printf("# (no source at %s)\n", qPrintable(source));
    return haveSource && !leadersOk ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build step: no display needed
    QGuiApplication app(argc, argv);
    if (argc >= 3 && argc <= 4 && QLatin1String(argv[1]) == QLatin1String("--anchors"))
        return printAnchors(QString::fromLocal8Bit(argv[2]),
                            QDir(QString::fromLocal8Bit(argc == 4 ? argv[3] : OSSARION_DRAWINGS_DIR)));
    if (argc < 3 || argv[1][0] == '-') {
        std::fprintf(stderr,
                     "usage: %s <source directory> <image directory> [name...]\n"
                     "       %s --anchors <name> [source directory]\n",
                     argv[0], argv[0]);
        return 2;
    }
    QStringList only;
    for (int i = 3; i < argc; ++i)
        only << QString::fromLocal8Bit(argv[i]);
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    QDir images(QString::fromLocal8Bit(argv[2]));
    images.mkpath(QStringLiteral("."));
    bool ok = true;
    for (const QString &name : only)
        if (std::none_of(ossarion::assetTable.begin(), ossarion::assetTable.end(),
                         [&](const AssetInfo &i) { return fileName(i) == name; })) {
            std::fprintf(stderr, "no drawing named '%s'\n", qPrintable(name));
            ok = false;
        }
    for (const auto &info : ossarion::assetTable) {
        if (!only.isEmpty() && !only.contains(fileName(info)))
            continue;
        ok = rasterise(info, sources, images) && ok;
    }
    return ok ? 0 : 1;
}
