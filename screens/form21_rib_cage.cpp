// SPDX-License-Identifier: GPL-3.0-or-later
// Form21: the rib cage from the front.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command1", "Main menu", 120, 6960, 3, mainMenu),
    button("Command2", "Rib cage test", 10080, 120, 2, goTo(ScreenId::Form22)),
    // The drawing takes no focus, so it starts here.
    button("Command3", "Full skeleton Anterior view", 10080, 840, 1, goTo(ScreenId::Form2)),
    drawing("Picture1", Asset::RibCage, 2722, 15, 0),
    // Left of the drawing, all ending 112 twips short of it.
    label("Label5", "Floating ribs 11 12", 1320, 6660, 1290, 195, 8),
    label("Label4", "False ribs 8 9 10 11 12", 1005, 5800, 1605, 195, 7),
    label("Label3", "Costal cartilage", 1530, 2800, 1080, 195, 6),
    label("Label2", "True ribs 1 2 3 4 5 6 7 ", 1005, 2200, 1605, 195, 5), // ends in a space
    label("Label1", "Sternum", 2025, 1680, 585, 195, 4),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form21,
    .name = "Form21",
    .caption = "Rib cage - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form21 = desc;

} // namespace ossarion::screens
