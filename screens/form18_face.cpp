// SPDX-License-Identifier: GPL-3.0-or-later
// Form18: the bones of the face, drawn apart, with the whole skull from the front beside them.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
// No control of this screen is a tab stop, not even the buttons.
constexpr ControlDesc controls[] = {
    // Overlaps the lower left corner of the exploded drawing (255 x 90 twips); listed
    // before it so that it is drawn on top and takes the clicks there.
    button("Command1", "Main menu", 120, 6960, 1, mainMenu).noTabStop(),
    button("Command2", "Face test", 10080, 120, 5, goTo(ScreenId::Form19)).noTabStop(),
    button("Command3", "Skull", 10080, 840, 4, goTo(ScreenId::Form16)).noTabStop(),
    button("Command4", "Full skeleton Anterior view", 10080, 1560, 3, goTo(ScreenId::Form2))
        .noTabStop(),
    // The bones drawn apart, with leader lines to the left, right and bottom edges.
    drawing("Picture2", Asset::FacialBones, 1080, 0, 2),
    // The whole skull from the front, without lines.
    drawing("Picture1", Asset::Face, 9000, 2400, 0),
    // Right of the exploded drawing, above the small skull.
    label("Label8", "Vomer", 9000, 660, 450, 195, 13),
    label("Label7", "Palate", 9000, 1995, 450, 195, 12),
    // Below the exploded drawing.
    label("Label6", "Inferior maxillary", 6720, 7080, 1110, 195, 11),
    label("Label5", "Superior maxillary", 3120, 7080, 1215, 195, 10),
    // Left of the exploded drawing.
    label("Label4", "Zygomatic", 220, 3540, 735, 195, 9),
    label("Label3", "Nasal", 510, 2685, 405, 195, 8),
    label("Label2", "Turbinate", 240, 1695, 675, 195, 7),
    label("Label1", "Lachrymal", 195, 580, 720, 195, 6),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form18,
    .name = "Form18",
    .caption = "Face - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form18 = desc;

} // namespace ossarion::screens
