// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cfenv>
#include <cmath>

namespace ossarion {

std::optional<float> centredOffset(float desktop, float outer)
{
    constexpr int failures = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
    std::feclearexcept(failures);
    // volatile keeps the arithmetic before the status test.
    volatile float difference = desktop - outer;
    volatile float half = difference / 2.0f;
    if (std::fetestexcept(failures))
        return std::nullopt;
    return half;
}

float outerWidth(const QWidget *window)
{
    return float(window->frameGeometry().width()) * twipsPerPixel;
}

float outerHeight(const QWidget *window)
{
    return float(window->frameGeometry().height()) * twipsPerPixel;
}

float desktopWidth()
{
    return float(QGuiApplication::primaryScreen()->geometry().width()) * twipsPerPixel;
}

float desktopHeight()
{
    return float(QGuiApplication::primaryScreen()->geometry().height()) * twipsPerPixel;
}

static int nearestPixel(float twips)
{
    return int(std::lround(twips / twipsPerPixel));
}

// move() places the frame's top-left corner, as Left and Top mean.
void setLeft(QWidget *window, float twips)
{
    window->move(nearestPixel(twips), window->pos().y());
}

void setTop(QWidget *window, float twips)
{
    window->move(window->pos().x(), nearestPixel(twips));
}

bool centreOnDesktop(QWidget *window)
{
    const auto left = centredOffset(desktopWidth(), outerWidth(window));
    if (!left)
        return false;
    setLeft(window, *left);
    const auto top = centredOffset(desktopHeight(), outerHeight(window));
    if (!top)
        return false;
    setTop(window, *top);
    return true;
}

} // namespace ossarion
