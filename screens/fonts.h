// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two fonts: 8.25 pt for everything, 13.5 pt for two headings.
#pragma once

#include <QFont>
#include <QString>

#include <functional>

namespace ossarion {

// "MS Sans Serif" where the desktop has it, else Liberation Sans, whose widths come
// closest to it (slightly narrowed, see fonts.cpp). Sizes are in pixels (11 and 18 at 96 dpi) so that the fixed layout
// holds whatever dpi the desktop reports.
QFont standardFont();
QFont headingFont();

// The family both fonts use, given which families the desktop has installed; a substitute
// is narrowed to the design font's widths.
struct FontFamily
{
    QString name;
    bool substitute;
};
FontFamily chooseFamily(const std::function<bool(const QString &)> &installed);

} // namespace ossarion
