// SPDX-License-Identifier: GPL-3.0-or-later
// Form8: the bones of the wrist and hand.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command4", "Full skeleton Anterior view", 10080, 1560, 7, goTo(ScreenId::Form2)),
    button("Command3", "Arm", 10080, 840, 6, goTo(ScreenId::Form6)),
    button("Command2", "Hand test", 10080, 120, 5, goTo(ScreenId::Form9)),
    button("Command1", "Main menu", 120, 6960, 4, mainMenu),
    drawing("Picture1", Asset::Hand, 3420, 255, 0),
    // Right of the drawing, from the wrist down to the fingertips.
    label("Label3", "Phalanges", 8040, 5520, 750, 195, 3).coloured(colour::systemWindowText),
    label("Label2", "Metacarpals", 8040, 2760, 870, 195, 2).coloured(colour::systemWindowText),
    label("Label1", "Carpals", 8040, 960, 525, 195, 1).coloured(colour::systemWindowText),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form8,
    .name = "Form8",
    .caption = "Wrist and hand - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form8 = desc;

} // namespace ossarion::screens
