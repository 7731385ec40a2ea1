// SPDX-License-Identifier: GPL-3.0-or-later
// Form7: the test of the arm (8 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    button("Command5", "Full skeleton Anterior view", 10080, 2280, 13, goTo(ScreenId::Form2)).noTabStop(),
    button("Command4", "Arm", 10080, 1560, 12, goTo(ScreenId::Form6)).noTabStop(),
    button("Command3", "Reset", 10080, 840, 11, reset).noTabStop(),
    button("Command2", "Check", 10080, 120, 8, check),
    button("Command1", "Main menu", 120, 6960, 10, mainMenu).noTabStop(),
    // Left of the drawing at the shoulder, ending short of its left edge.
    answerBox("Text8", 3240, 1080, 1215, 7),
    answerBox("Text7", 3240, 120, 1215, 6),
    // Right of the drawing, from the humerus down to the phalanges.
    answerBox("Text6", 6960, 6560, 1215, 5),
    answerBox("Text5", 6960, 5860, 1215, 4),
    answerBox("Text4", 6960, 5500, 1215, 3),
    answerBox("Text3", 6960, 4400, 1215, 2),
    answerBox("Text2", 6960, 3400, 1215, 1),
    answerBox("Text1", 6960, 1500, 1215, 0),
    drawing("Picture1", Asset::Arm, 4537, 120, 9),
};
constexpr AnswerKey keys[] = {
    {"Text1",
     "the long bone of the upper arm, right of the drawing",
     "humerus"},
    {"Text2",
     "the forearm bone on the little finger side, hooked at the elbow, right of the drawing",
     "ulna"},
    {"Text3",
     "the forearm bone on the thumb side, right of the drawing",
     "radius"},
    {"Text4",
     "the small bones of the wrist, right of the drawing",
     "carpals"},
    {"Text5",
     "the long bones of the palm, right of the drawing",
     "metacarpals"},
    {"Text6",
     "the bones of the fingers, right of the drawing",
     "phalanges"},
    {"Text7",
     "the slender bone at the top of the shoulder, running towards the neck, left of the drawing",
     "clavicle"},
    {"Text8",
     "the flat triangular bone behind the shoulder, left of the drawing",
     "scapula"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form7,
    .name = "Form7",
    .caption = "Arm - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form7{desc, keys};

} // namespace ossarion::quiz
