// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled-in pictures, decoded once and shared by every screen that shows them.
#pragma once

#include "assets/assets.h"

#include <QIcon>
#include <QPixmap>

namespace ossarion {

QPixmap assetPixmap(Asset asset);
QIcon programIcon();

} // namespace ossarion
