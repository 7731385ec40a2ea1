// SPDX-License-Identifier: GPL-3.0-or-later
// Form16: the skull from the side and from the front; it leads on to the cranium and the face.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command4", "Full skeleton Anterior view", 10080, 120, 4, goTo(ScreenId::Form2)),
    // Overlaps the right edge of the drawing by 7 twips; listed before it so that it is
    // drawn on top and takes the clicks there.
    button("Command3", "Face", 9480, 4200, 3, goTo(ScreenId::Form18)),
    // Left of the drawing, beside the side view.
    button("Command2", "Cranium", 720, 2880, 2, goTo(ScreenId::Form17)),
    button("Command1", "Main menu", 120, 6960, 1, mainMenu),
    // No leader lines and no labels: the bones are named on the cranium and face screens.
    drawing("Picture1", Asset::Skull, 1987, 1613, 0),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form16,
    .name = "Form16",
    .caption = "Skull - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form16 = desc;

} // namespace ossarion::screens
