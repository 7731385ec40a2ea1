// SPDX-License-Identifier: GPL-3.0-or-later
// Form9: the test of the wrist and hand (3 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    button("Command6", "Full skeleton Anterior view", 10080, 3000, 9, goTo(ScreenId::Form2)).noTabStop(),
    button("Command5", "Arm", 10080, 2280, 8, goTo(ScreenId::Form6)).noTabStop(),
    button("Command4", "Hand", 10080, 1560, 7, goTo(ScreenId::Form8)).noTabStop(),
    button("Command3", "Reset", 10080, 840, 6, reset).noTabStop(),
    button("Command2", "Check", 10080, 120, 3, check),
    button("Command1", "Main menu", 120, 6960, 5, mainMenu).noTabStop(),
    // One column right of the drawing.
    answerBox("Text3", 8040, 5480, 1215, 2),
    answerBox("Text2", 8040, 2680, 1215, 1),
    answerBox("Text1", 8040, 880, 1215, 0),
    drawing("Picture1", Asset::Hand, 3442, 255, 4),
};
constexpr AnswerKey keys[] = {
    {"Text1",
     "the small bones of the wrist, right of the drawing, at the top",
     "carpals"},
    {"Text2",
     "the long bones of the palm, right of the drawing",
     "metacarpals"},
    {"Text3",
     "the bones of the fingers and thumb, right of the drawing, at the bottom",
     "phalanges"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form9,
    .name = "Form9",
    .caption = "Wrist and hand - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form9{desc, keys};

} // namespace ossarion::quiz
