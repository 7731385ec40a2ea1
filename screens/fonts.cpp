// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/fonts.h"

#include <QFontDatabase>

namespace ossarion {

namespace {

QFont programFont(int pixelSize)
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                                      ? QStringLiteral("MS Sans Serif")
                                      : QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont standardFont()
{
    return programFont(11);
}

QFont headingFont()
{
    return programFont(18);
}

} // namespace ossarion
