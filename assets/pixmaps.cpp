// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pixmaps.h"

#include <QGuiApplication>
#include <QString>

#include <array>
#include <optional>

namespace ossarion {

namespace {

// Decoded pictures, kept for the life of the application: screens are rebuilt on every
// visit, and decoding a drawing each time would be wasted work.
struct Decoded {
    std::array<std::optional<QPixmap>, assetTable.size()> pixmaps;
    std::optional<QIcon> icon;
};

Decoded &decoded()
{
    static Decoded cache;
    static const bool registered = [] {
        // Pixmaps must go before the application does, not with the static data.
        qAddPostRoutine([] {
            decoded().pixmaps.fill(std::nullopt);
            decoded().icon.reset();
        });
        return true;
    }();
    Q_UNUSED(registered);
    return cache;
}

QString resourcePath(Asset asset, bool doubled)
{
    const auto file = assetInfo(asset).file;
    return QStringLiteral(":/pictures/") + QString::fromLatin1(file.data(), qsizetype(file.size()))
         + (doubled ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

// On a high-density screen the twice-as-large rendering is drawn at the same logical size
// (its file name gives it a device pixel ratio of 2).
bool highDensity()
{
    return qApp && qApp->devicePixelRatio() > 1.0;
}

} // namespace

QPixmap assetPixmap(Asset asset)
{
    auto &slot = decoded().pixmaps[static_cast<std::size_t>(asset)];
    if (!slot)
        slot = QPixmap(resourcePath(asset, highDensity()));
    return *slot;
}

QIcon programIcon()
{
    auto &icon = decoded().icon;
    if (!icon) {
        icon.emplace();
        icon->addFile(resourcePath(Asset::Icon, false));
        icon->addFile(resourcePath(Asset::Icon, true));
    }
    return *icon;
}

} // namespace ossarion
