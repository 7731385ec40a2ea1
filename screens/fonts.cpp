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

// The substitute narrowed to `percent` of its widths. Where the toolkit draws with FreeType
// (Linux) its glyphs are stretched. The Windows font engine narrows a font only by whole
// pixels of its average character width, at 11 px some 11 % a step (96 % came out as 89 %):
// there the glyphs keep their shapes and their advances shrink, so that captions take the
// same widths as on Linux.
void narrow(QFont &font, int percent)
{
#ifdef Q_OS_WIN
    font.setLetterSpacing(QFont::PercentageSpacing, percent);
#else
    font.setStretch(percent);
#endif
}

QFont programFont(int pixelSize, int substitutePercent)
{
    QFont font(desktopFamily().name);
    font.setPixelSize(pixelSize);
    if (desktopFamily().substitute)
        narrow(font, substitutePercent);
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
