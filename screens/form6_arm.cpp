// SPDX-License-Identifier: GPL-3.0-or-later
// Form6: the bones of the arm and shoulder.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command4", "Hand", 8160, 6120, 12, goTo(ScreenId::Form8)),
    button("Command3", "Full skeleton Anterior view", 10080, 840, 11, goTo(ScreenId::Form2)),
    button("Command2", "Arm test", 10080, 120, 10, goTo(ScreenId::Form7)),
    button("Command1", "Main menu", 120, 6960, 9, mainMenu),
    // One of the few drawings the Tab key stops on; it holds the focus when the screen opens.
    drawing("Picture1", Asset::Arm, 4537, 120, 0).withTabStop(),
    // Left of the drawing, by the clavicle and the scapula.
    label("Label8", "Scapula", 3840, 1120, 585, 195, 8).coloured(colour::systemWindowText),
    label("Label7", "Clavicle", 3840, 120, 555, 195, 7).coloured(colour::systemWindowText),
    // Right of the drawing, from the shoulder down to the fingers.
    label("Label6", "Phalanges", 6960, 6600, 750, 195, 6).coloured(colour::systemWindowText),
    label("Label5", "Metacarpals", 6960, 5880, 870, 195, 5).coloured(colour::systemWindowText),
    label("Label4", "Carpals", 6960, 5520, 525, 195, 4).coloured(colour::systemWindowText),
    label("Label3", "Radius", 6960, 4440, 495, 195, 3).coloured(colour::systemWindowText),
    label("Label2", "Ulna", 6960, 3405, 330, 195, 2).coloured(colour::systemWindowText),
    label("Label1", "Humerus", 6960, 1560, 630, 195, 1).coloured(colour::systemWindowText),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form6,
    .name = "Form6",
    .caption = "Arm - Major features ", // the trailing space is part of the title
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form6 = desc;

} // namespace ossarion::screens
