// SPDX-License-Identifier: GPL-3.0-or-later
// Form17: the bones of the cranium, drawn apart, with the assembled cranium beside them.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command4", "Full skeleton Anterior view", 10080, 1560, 5, goTo(ScreenId::Form2)),
    button("Command3", "Skull", 10080, 840, 4, goTo(ScreenId::Form16)),
    button("Command2", "Cranium test", 10080, 120, 3, goTo(ScreenId::Form20)),
    button("Command1", "Main menu", 120, 6960, 2, mainMenu),
    // The bones drawn apart, with leader lines to the left and bottom edges.
    drawing("Picture2", Asset::CranialBones, 1320, 120, 1),
    // The assembled cranium, without lines.
    drawing("Picture1", Asset::CraniumSide, 7920, 3000, 0),
    // Below the exploded drawing.
    label("Label6", "Ethmoid", 5340, 5880, 570, 195, 11),
    label("Label5", "Sphenoid", 3520, 5880, 675, 195, 10),
    // Left of the exploded drawing, all ending 105 twips short of it.
    label("Label4", "Temporal", 555, 3820, 660, 195, 9),
    label("Label3", "Frontal", 735, 3060, 480, 195, 8),
    label("Label2", "Parietal", 690, 2040, 525, 195, 7),
    label("Label1", "Occipital", 600, 600, 615, 195, 6),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form17,
    .name = "Form17",
    .caption = "Cranium - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form17 = desc;

} // namespace ossarion::screens
