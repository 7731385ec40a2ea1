// SPDX-License-Identifier: GPL-3.0-or-later
// Form3: the whole skeleton from behind.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command4", "Spine", 9360, 2280, 9, goTo(ScreenId::Form23)),
    button("Command3", "Posterior test", 10080, 840, 8, goTo(ScreenId::Form5)),
    button("Command2", "Anterior view", 10080, 120, 1, goTo(ScreenId::Form2)),
    button("Command1", "Main menu", 120, 6960, 0, mainMenu),
    drawing("Picture1", Asset::SkeletonBack, 4012, 22, 2),
    label("Label5", "Scapula or shoulder blade", 2040, 1440, 1845, 195, 7).aligned(Align::Right),
    label("Label4", "Coccyx - 4 (fused)", 7560, 3240, 1275, 195, 6),
    label("Label3", "Sacral vertebra - 5 (fused)", 7560, 2955, 1830, 195, 5),
    label("Label2", "Lumber vertebrae - 5", 7560, 2520, 1470, 195, 4),
    label("Label1", "Dorsal vertebrae - 12", 7560, 1640, 1485, 195, 3),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form3,
    .name = "Form3",
    .caption = "Skeleton - Major features - Posterior view",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form3 = desc;

} // namespace ossarion::screens
