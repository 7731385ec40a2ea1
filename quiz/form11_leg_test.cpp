// SPDX-License-Identifier: GPL-3.0-or-later
// Form11: the test of the leg (7 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    // Right of the drawing, from the femur down to the phalanges.
    answerBox("Text7", 6720, 6880, 1215, 6),
    answerBox("Text6", 6720, 6340, 1215, 5),
    answerBox("Text5", 6720, 5640, 1215, 4),
    answerBox("Text4", 6720, 4160, 1215, 3),
    answerBox("Text3", 6720, 3220, 1215, 2),
    answerBox("Text2", 6720, 2340, 1215, 1),
    answerBox("Text1", 6720, 1140, 1215, 0),
    button("Command1", "Main menu", 120, 6960, 12, mainMenu).noTabStop(),
    button("Command2", "Check", 10080, 120, 7, check),
    button("Command3", "Reset", 10080, 840, 11, reset).noTabStop(),
    button("Command4", "Leg", 10080, 1560, 10, goTo(ScreenId::Form10)).noTabStop(),
    button("Command5", "Full skeleton Anterior view", 10080, 2280, 9, goTo(ScreenId::Form2)).noTabStop(),
    drawing("Picture1", Asset::Leg, 4837, 120, 8),
};
constexpr AnswerKey keys[] = {
    {"Text1",
     "the long bone of the thigh, right of the drawing",
     "femur"},
    {"Text2",
     "the small round bone in front of the knee, right of the drawing",
     "patella"},
    {"Text3",
     "the thick inner bone of the lower leg, along the shin, right of the drawing",
     "tibia"},
    {"Text4",
     "the thin outer bone of the lower leg, right of the drawing",
     "fibula"},
    {"Text5",
     "the bones of the ankle and heel, right of the drawing",
     "tarsals"},
    {"Text6",
     "the long bones of the foot in front of the ankle, right of the drawing",
     "metatarsals"},
    {"Text7",
     "the bones of the toes, right of the drawing, at the bottom",
     "phalanges"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form11,
    .name = "Form11",
    .caption = "Leg - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form11{desc, keys};

} // namespace ossarion::quiz
