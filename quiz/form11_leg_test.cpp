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
    {"Text1", "femur"},
    {"Text2", "patella"},
    {"Text3", "tibia"},
    {"Text4", "fibula"},
    {"Text5", "tarsals"},
    {"Text6", "metatarsals"},
    {"Text7", "phalanges"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form11,
    .name = "Form11",
    .caption = "Leg - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
} // namespace

const Quiz form11{desc, keys};

} // namespace ossarion::quiz
