// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window goes to stand centred on the desktop, and how to put it there.
#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace ossarion {

inline constexpr float twipsPerPixel = 15.0f;

// (desktop - outer) / 2 in single precision twips, kept unrounded (an odd difference gives
// a half twip). Empty when the arithmetic raised invalid, divide-by-zero or overflow.
std::optional<float> centredOffset(float desktop, float outer);

// A window's outer size (frame and title bar included) and the desktop's size, in twips.
float outerWidth(const QWidget *window);
float outerHeight(const QWidget *window);
float desktopWidth();
float desktopHeight();

// Places the window's outer top-left corner; the window lands on the nearest pixel.
void setLeft(QWidget *window, float twips);
void setTop(QWidget *window, float twips);

// Centres a window on the desktop by its own outer size: Left first, then Top.
// Returns false, having set nothing further, if either halving failed.
bool centreOnDesktop(QWidget *window);

// The frame around a shown window as the window system reports it now: a window manager
// frames a new window in its own time, and the widget may not have heard of it yet.
std::optional<QMargins> reportedFrame(const QWidget *window);

// Centres a shown window by its outer size with that frame; returns whether it moved.
bool recentreWithFrame(QWidget *window, QMargins frame);

} // namespace ossarion
