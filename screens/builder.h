// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a screen description into a live, hidden window.
#pragma once

#include "screens/model.h"

class QWidget;

namespace ossarion {

// What a live screen reports to the program. The screens themselves decide nothing:
// every click, close request and change of geometry is handed to this interface.
class ScreenEvents {
public:
    virtual ~ScreenEvents() = default;
    virtual void buttonClicked(QWidget *screen, const ScreenDesc &desc, const ControlDesc &button) = 0;
    // Returns whether the window may close.
    virtual bool closeRequested(QWidget *screen, const ScreenDesc &desc) = 0;
    virtual void resized(QWidget *screen, const ScreenDesc &desc) = 0;
    virtual void moved(QWidget *screen, const ScreenDesc &desc) = 0;
};

// Builds the window with all its controls, hidden. Each widget's objectName is its
// control name; members of a control array carry their number as property "index".
// The window's objectName is the screen's name.
QWidget *buildScreen(const ScreenDesc &desc, ScreenEvents &events);

// The description a live screen was built from.
const ScreenDesc *descriptionOf(const QWidget *screen);

// Twips to the nearest whole pixel.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}

} // namespace ossarion
