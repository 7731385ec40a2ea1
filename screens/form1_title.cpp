// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the title screen. It centres itself whenever it is resized.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command2", "About", 120, 120, 2, openOver(ScreenId::frmAbout)),
    button("Command1", "Full skeleton Anterior view", 6120, 4080, 0, goTo(ScreenId::Form2)),
    drawing("Picture1", Asset::Title, 2865, 23, 1).withTabStop(),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form1,
    .name = "Form1",
    .caption = "Ossarion",
    .role = WindowRole::TitleScreen,
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form1 = desc;

} // namespace ossarion::screens
