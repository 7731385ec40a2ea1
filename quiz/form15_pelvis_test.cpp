// SPDX-License-Identifier: GPL-3.0-or-later
// Form15: the test of the pelvis, shown taken apart in four drawings of its own (3 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    button("Command5", "Full skeleton Anterior view", 10080, 2280, 11, goTo(ScreenId::Form2)).noTabStop(),
    button("Command4", "Pelvis", 10080, 1560, 10, goTo(ScreenId::Form14)).noTabStop(),
    button("Command3", "Reset", 10080, 840, 9, reset).noTabStop(),
    button("Command2", "Check", 10080, 120, 3, check),
    button("Command1", "Main menu", 120, 6960, 8, mainMenu).noTabStop(),
    // Each box sits at the end of its bone's blue leader line. The boxes come before the
    // drawings because Text2 reaches into the lower left corner of Picture4.
    answerBox("Text3", 8760, 2408, 1215, 2), // right of the marked hip bone
    answerBox("Text2", 5040, 4763, 975, 1),  // below the sacrum
    answerBox("Text1", 4320, 5723, 855, 0),  // below the coccyx
    // Left to right: hip bone, sacrum with the coccyx beneath it, the other hip bone.
    drawing("Picture4", Asset::MarkedHipBone, 5880, 1613, 7),
    drawing("Picture3", Asset::Coccyx, 4545, 4733, 6),
    drawing("Picture2", Asset::Sacrum, 3720, 1973, 5),
    drawing("Picture1", Asset::HipBone, 840, 1733, 4), // has no box of its own
};
// The names the pelvis view gives the three bones, in lower case.
constexpr AnswerKey keys[] = {
    {"Text1",
     "the small bone drawn below the middle drawing, the very end of the spine",
     "coccyx"},
    {"Text2",
     "the broad wedge of fused vertebrae in the middle, between the two hip bones",
     "sacrum"},
    {"Text3",
     "the hip bone drawn on the right, marked by a line running to the box",
     "innominatum"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form15,
    .name = "Form15",
    .caption = "Pelvis - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form15{desc, keys};

} // namespace ossarion::quiz
