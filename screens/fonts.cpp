// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/fonts.h"

#include <QFontDatabase>

namespace ossarion {

namespace {

const FontFamily &desktopFamily()
{
    static const FontFamily family = chooseFamily(
        [](const QString &name) { return QFontDatabase::hasFamily(name); });
    return family;
}

QFont programFont(int pixelSize, int substituteStretch)
{
    QFont font(desktopFamily().name);
    font.setPixelSize(pixelSize);
    if (desktopFamily().substitute)
        font.setStretch(substituteStretch);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

// Windows has the design font twice: as a bitmap font ("MS Sans Serif", which the toolkit
// draws only at its bitmap sizes) and as its outline twin of the same widths ("Microsoft
// Sans Serif"), which draws both sizes as designed.
FontFamily chooseFamily(const std::function<bool(const QString &)> &installed)
{
    for (const QString &design : {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif")})
        if (installed(design))
            return {design, false};
    return {QStringLiteral("Liberation Sans"), true};
}

// Liberation Sans at 11 px runs about 4 % wider than the design font: narrowed to 96 %
// its captions come within 1.5 px (RMS) of the designed label widths, so labels that
// stand close to a drawing or a box keep clear of it.
QFont standardFont()
{
    return programFont(11, 96);
}

QFont headingFont()
{
    return programFont(18, QFont::Unstretched);
}

} // namespace ossarion
