// SPDX-License-Identifier: GPL-3.0-or-later
// Form23: the spine and single vertebrae; reached from the skeleton seen from behind.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    // The focus starts on "Full skeleton Posterior view", the way back; Tab then goes
    // to "Spine test", "Main menu" and last "Full skeleton Anterior view".
    button("Command4", "Full skeleton Anterior view", 10080, 1560, 16, goTo(ScreenId::Form2)),
    button("Command1", "Main menu", 120, 6960, 15, mainMenu),
    button("Command2", "Spine test", 10080, 120, 14, goTo(ScreenId::Form24)),
    button("Command3", "Full skeleton Posterior view", 10080, 840, 13, goTo(ScreenId::Form3)),
    drawing("Picture1", Asset::Spine, 4117, 1170, 0),
    // Above the drawing. The long atlas label meets its leader line near its left end.
    label("Label12", "Cervical - 7", 5040, 960, 795, 195, 12),
    label("Label11", "Atlas - 1st cervical (has no body or spinous process)", 6120, 960, 3660, 195, 11),
    // Right of the drawing, by the single vertebrae; numbered from the coccyx up.
    label("Label10", "Axis - 2nd cervical", 7440, 1880, 1290, 195, 10),
    label("Label9", "Dorsal", 7440, 2820, 450, 195, 9),
    label("Label8", "Lumber", 7440, 4040, 525, 195, 8),
    label("Label7", "Sacral", 7440, 5000, 450, 195, 7),
    label("Label6", "Coccyx", 7440, 5840, 525, 195, 6),
    // Left of the drawing: the five sections with their counts, all ending at 3990.
    label("Label5", "Coccyx - 4 (fused)", 2715, 6120, 1275, 195, 5),
    label("Label4", "Sacral - 5 (fused)", 2790, 5620, 1200, 195, 4),
    label("Label3", "Lumber - 7", 3240, 4620, 750, 195, 3),
    label("Label2", "Dorsal - 12", 3225, 2820, 765, 195, 2),
    label("Label1", "Cervical - 7", 3195, 1480, 795, 195, 1),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form23,
    .name = "Form23",
    .caption = "Spine - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form23 = desc;

} // namespace ossarion::screens
