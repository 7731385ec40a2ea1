// SPDX-License-Identifier: GPL-3.0-or-later
// Form12: the bones of the ankle and foot.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    // The buttons on the right take the focus bottom up: "Full skeleton Anterior view",
    // "Leg", then "Foot test".
    button("Command2", "Foot test", 10080, 120, 7, goTo(ScreenId::Form13)),
    button("Command3", "Leg", 10080, 840, 6, goTo(ScreenId::Form10)),
    button("Command4", "Full skeleton Anterior view", 10080, 1560, 5, goTo(ScreenId::Form2)),
    button("Command1", "Main menu", 120, 6960, 1, mainMenu),
    drawing("Picture1", Asset::Foot, 4237, 300, 0),
    // Right of the drawing, from the ankle down to the toes.
    label("Label3", "Phalanges", 7320, 6165, 750, 195, 4).coloured(colour::systemWindowText),
    label("Label2", "Metatarsals", 7320, 4060, 810, 195, 3).coloured(colour::systemWindowText),
    label("Label1", "Tarsals", 7320, 1500, 510, 195, 2).coloured(colour::systemWindowText),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form12,
    .name = "Form12",
    .caption = "Ankle and foot - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form12 = desc;

} // namespace ossarion::screens
