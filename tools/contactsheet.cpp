// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one picture of every compiled-in drawing at 1:1 and at 2:1, each with its name,
// on a light background, to look the whole set over at a glance:
//   ossarion_contactsheet <file.png>
#include "assets/assets.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int margin = 24;      // around the sheet and between cells
constexpr int innerGap = 12;    // between the 1:1 and the 2:1 picture
constexpr int sheetWidth = 3200;
const QColor background(248, 248, 244);
const QColor frame(200, 200, 200);

struct Cell {
    QString title;
    QImage one, two;
    QPoint at;
    int width() const { return one.width() + innerGap + two.width(); }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no display needed
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file.png>\n", argv[0]);
        return 2;
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    const QFontMetrics metrics(font);
    const int titleHeight = metrics.height() + 6;

    std::vector<Cell> cells;
    bool ok = true;
    for (const auto &info : ossarion::assetTable) {
        const QString name = QString::fromLatin1(info.file.data(), qsizetype(info.file.size()));
        Cell c;
        c.one = QImage(QStringLiteral(":/pictures/%1.png").arg(name));
        c.two = QImage(QStringLiteral(":/pictures/%1@2x.png").arg(name));
        // An "@2x" file loads as a high-density image; here it is shown pixel for pixel.
        c.two.setDevicePixelRatio(1.0);
        if (c.one.isNull() || c.two.isNull()) {
            std::fprintf(stderr, "%s: not among the compiled-in pictures\n", qPrintable(name));
            ok = false;
            continue;
        }
        c.title = QStringLiteral("%1  %2 x %3  (1:1 and 2:1)").arg(name).arg(info.width).arg(info.height);
        cells.push_back(std::move(c));
    }

    // Shelves, left to right, top to bottom.
    int x = margin, y = margin, shelf = 0, width = 0;
    for (Cell &c : cells) {
        const int w = std::max(c.width(), metrics.horizontalAdvance(c.title));
        const int h = titleHeight + std::max(c.one.height(), c.two.height());
        if (x > margin && x + w > sheetWidth - margin) {
            x = margin;
            y += shelf + margin;
            shelf = 0;
        }
        c.at = QPoint(x, y);
        x += w + margin;
        width = std::max(width, x);
        shelf = std::max(shelf, h);
    }
    const int height = y + shelf + margin;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(background);
    QPainter p(&sheet);
    p.setFont(font);
    for (const Cell &c : cells) {
        p.setPen(Qt::black);
        p.drawText(QRect(c.at, QSize(sheetWidth, titleHeight)), Qt::AlignLeft | Qt::AlignTop, c.title);
        const QPoint oneAt = c.at + QPoint(0, titleHeight);
        const QPoint twoAt = oneAt + QPoint(c.one.width() + innerGap, 0);
        p.drawImage(oneAt, c.one);
        p.drawImage(twoAt, c.two);
        // A hairline just outside each picture shows where its edges are.
        p.setPen(frame);
        p.drawRect(QRect(oneAt - QPoint(1, 1), c.one.size() + QSize(1, 1)));
        p.drawRect(QRect(twoAt - QPoint(1, 1), c.two.size() + QSize(1, 1)));
    }
    p.end();

    const QString target = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!sheet.save(target, "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(target));
        return 1;
    }
    return ok ? 0 : 1;
}
