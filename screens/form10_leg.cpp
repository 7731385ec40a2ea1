// SPDX-License-Identifier: GPL-3.0-or-later
// Form10: the bones of the leg.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command4", "Foot", 8160, 6000, 4, goTo(ScreenId::Form12)),
    button("Command3", "Full skeleton Anterior view", 10080, 840, 3, goTo(ScreenId::Form2)),
    button("Command2", "Leg test", 10080, 120, 2, goTo(ScreenId::Form11)),
    button("Command1", "Main menu", 120, 6960, 1, mainMenu),
    // One of the few drawings the Tab key stops on; it holds the focus when the screen opens.
    drawing("Picture1", Asset::Leg, 4837, 120, 0).withTabStop(),
    // Right of the drawing, from the thigh down to the toes. Centred, though with
    // auto-size on the alignment makes no visible difference.
    label("Label7", "Phalanges", 6735, 6960, 750, 195, 11)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label6", "Metatarsals", 6735, 6405, 810, 195, 10)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label5", "Tarsals", 6735, 5700, 510, 195, 9)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label4", "Fibula", 6735, 4200, 420, 195, 8)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label3", "Tibia", 6735, 3240, 360, 195, 7)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label2", "Patella", 6735, 2385, 480, 195, 6)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label1", "Femur", 6735, 1200, 450, 195, 5)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form10,
    .name = "Form10",
    .caption = "Leg - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form10 = desc;

} // namespace ossarion::screens
