// SPDX-License-Identifier: GPL-3.0-or-later
// Where the leader lines of the drawings must end, derived from the screen descriptions.
//
// A label or answer box "stands beside" a drawing when its rectangle lies within a few
// pixels of one of the picture box's edges and its middle lies within the picture's
// extent along that edge. Its line end is on that edge of the drawing, level with the
// control's text (a label's first line, the second line of a word-wrapped label, an
// answer box's line) or, above and below the drawing, at the middle of the control's
// width clipped to the drawing.
//
// Not line ends: labels in the heading font, and a label that follows an answer box on
// the same row (a hint completing the box's name), which counts as part of that box.
// A control beside two drawings belongs to the one it stands below or above (a box under
// a small drawing that also touches a neighbour's side), else to the nearer one.
#pragma once

#include "assets/assets.h"
#include "screens/model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ossarion::anchors {

enum class Side { Right, Left, Below, Above };

std::string_view sideName(Side s);

// How close (pixels) a control must stand to a picture's edge to be one of its line ends,
// and how far it may reach over the edge into the picture (answer boxes lying on a drawing).
inline constexpr int besideDistance = 12;
inline constexpr int besideOverlap = 3;
// A control wider than the picture's edge still stands above or below it when it covers
// this much of the edge (a long label that begins over the drawing).
inline constexpr int besideCover = 40;

// Every main screen: the view screens and the test screens.
const std::vector<const ScreenDesc *> &mainScreens();

// A place at a drawing's edge where a line must end.
struct Anchor {
    const ScreenDesc *screen = nullptr;
    const ControlDesc *picture = nullptr;
    const ControlDesc *control = nullptr; // the label or answer box
    const ControlDesc *hint = nullptr;    // a hint label that is part of the box, or null
    Side side = Side::Right;
    // End point in drawing pixels at 1x, continuous: the text's middle lies at `along`
    // (a row for Right/Left, a column for Below/Above); `pixel` is that row or column.
    double along = 0;
    int pixel = 0;
    // The pixel at the edge where the line ends.
    int x = 0, y = 0;
    int gap = 0; // pixels between the picture's edge and the control, negative on overlap

    std::string name() const; // "Form25.Label1"
};

// Every line end the layout asks of the drawing, over every screen showing it, in the
// order of the screens and, within a screen, down each edge (right, left, below, above).
std::vector<Anchor> anchorsOf(Asset asset);

// The anchor of the control written "Screen.Control" beside the drawing, if any. A hint
// label's name finds the anchor of its box.
std::optional<Anchor> findAnchor(Asset asset, std::string_view screenDotControl);

// Does the screen have a control of that name at all?
bool controlExists(std::string_view screenDotControl);

} // namespace ossarion::anchors
