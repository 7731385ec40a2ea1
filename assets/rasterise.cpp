// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders every drawing's SVG source at its pixel size and at twice that size.
//   ossarion_rasterise <directory of sources> <directory for the images> [name...]
// With names, only those drawings are rendered.
#include "assets/assets.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool render(const QString &source, const QString &target, QSize size)
{
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG\n", qPrintable(source));
        return false;
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(target));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build step: no display needed
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <source directory> <image directory> [name...]\n", argv[0]);
        return 2;
    }
    QStringList only;
    for (int i = 3; i < argc; ++i)
        only << QString::fromLocal8Bit(argv[i]);
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    QDir images(QString::fromLocal8Bit(argv[2]));
    images.mkpath(QStringLiteral("."));
    bool ok = true;
    for (const auto &info : ossarion::assetTable) {
        const QString name = QString::fromLatin1(info.file.data(), qsizetype(info.file.size()));
        if (!only.isEmpty() && !only.contains(name))
            continue;
        const QString source = sources.filePath(name + QStringLiteral(".svg"));
        const QSize size(info.width, info.height);
        ok = render(source, images.filePath(name + QStringLiteral(".png")), size) && ok;
        ok = render(source, images.filePath(name + QStringLiteral("@2x.png")), size * 2) && ok;
    }
    return ok ? 0 : 1;
}
