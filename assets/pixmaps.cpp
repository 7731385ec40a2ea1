// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pixmaps.h"

#include <QCoreApplication>
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

QString resourcePath(Asset asset)
{
    const auto file = assetInfo(asset).file;
    return QStringLiteral(":/pictures/") + QString::fromLatin1(file.data(), qsizetype(file.size()))
         + QStringLiteral(".png");
}

} // namespace

QPixmap assetPixmap(Asset asset)
{
    auto &slot = decoded().pixmaps[static_cast<std::size_t>(asset)];
    if (!slot)
        slot = QPixmap(resourcePath(asset));
    return *slot;
}

QIcon programIcon()
{
    auto &icon = decoded().icon;
    if (!icon)
        icon = QIcon(assetPixmap(Asset::Icon));
    return *icon;
}

} // namespace ossarion
