// SPDX-License-Identifier: GPL-3.0-or-later
// Form14: the pelvis, from the front above and from behind below.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command1", "Main menu", 120, 6960, 4, mainMenu),
    button("Command2", "Pelvis test", 10080, 120, 3, goTo(ScreenId::Form15)),
    // Neither drawing takes the focus, so it starts here.
    button("Command3", "Full skeleton Anterior view", 10080, 840, 2, goTo(ScreenId::Form2)),
    drawing("Picture2", Asset::PelvisBack, 3487, 3938, 1),
    drawing("Picture1", Asset::PelvisFront, 3487, 458, 0),
    // Headings left of the two drawings, in the large font. "Anterior" alone keeps the
    // default text colour.
    label("Label7", "Posterior", 1680, 5310, 1110, 360, 11)
        .aligned(Align::Centre).inFont(FontSize::Heading).coloured(colour::systemWindowText),
    label("Label6", "Anterior", 1740, 1905, 990, 360, 10)
        .aligned(Align::Centre).inFont(FontSize::Heading),
    // Right of the drawings: two bones of the front view, then three of the back view,
    // so "Innominatum" and "Sacrum" each appear twice.
    label("Label5", "Coccyx", 8160, 6555, 540, 195, 9)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label4", "Sacrum", 8160, 5480, 540, 195, 8)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label3", "Innominatum", 8160, 4875, 900, 195, 7)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label2", "Sacrum", 8160, 2040, 540, 195, 6)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
    label("Label1", "Innominatum", 8160, 1640, 900, 195, 5)
        .aligned(Align::Centre).coloured(colour::systemWindowText),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form14,
    .name = "Form14",
    .caption = "Pelvis - Major features",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form14 = desc;

} // namespace ossarion::screens
