// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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


// For a hidden window, the frame it had when it was last shown.
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

std::optional<QMargins> reportedFrame(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || !window->isVisible())
        return std::nullopt;
    const QMargins m = handle->frameMargins();
    // While a window manager takes a window over, the margins can be nonsense for a moment.
    constexpr int plausible = 200;
    for (int side : {m.left(), m.top(), m.right(), m.bottom()})
        if (side < 0 || side > plausible)
            return std::nullopt;
    return m;
}

bool recentreWithFrame(QWidget *window, QMargins frame)
{
    const QSize outer = window->size().grownBy(frame);
    const auto left = centredOffset(desktopWidth(), float(outer.width()) * twipsPerPixel);
    const auto top = centredOffset(desktopHeight(), float(outer.height()) * twipsPerPixel);
    if (!left || !top)
        return false;
    // Placed by its client area, which does not depend on what the widget believes its
    // frame to be.
    const QPoint client(nearestPixel(*left) + frame.left(), nearestPixel(*top) + frame.top());
    // Not while a change of size is on its way, which setting the geometry would undo.
    if (window->geometry().topLeft() == client || window->size() != window->windowHandle()->size())
        return false;
    window->setGeometry(QRect(client, window->size()));
    return true;
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
