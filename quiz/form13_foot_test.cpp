// SPDX-License-Identifier: GPL-3.0-or-later
// Form13: the test of the ankle and foot (3 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    // Right of the drawing. Text1 starts 37 twips inside the drawing's right edge;
    // the boxes come before the drawing so that Text1 lies above it.
    answerBox("Text3", 7320, 6080, 1215, 2),
    answerBox("Text2", 7320, 4000, 1215, 1),
    answerBox("Text1", 7200, 1460, 1215, 0),
    button("Command1", "Main menu", 120, 6960, 9, mainMenu).noTabStop(),
    button("Command2", "Check", 10080, 120, 3, check),
    button("Command3", "Reset", 10080, 840, 8, reset).noTabStop(),
    button("Command4", "Foot", 10080, 1560, 7, goTo(ScreenId::Form12)).noTabStop(),
    button("Command5", "Leg", 10080, 2280, 6, goTo(ScreenId::Form10)).noTabStop(),
    button("Command6", "Full skeleton Anterior view", 10080, 3000, 5, goTo(ScreenId::Form2)).noTabStop(),
    drawing("Picture1", Asset::Foot, 4237, 300, 4),
};
constexpr AnswerKey keys[] = {
    {"Text1",
     "the bones of the ankle and heel, right of the drawing, at the top",
     "tarsals"},
    {"Text2",
     "the long bones in the middle of the foot, right of the drawing",
     "metatarsals"},
    {"Text3",
     "the bones of the toes, right of the drawing, at the bottom",
     "phalanges"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form13,
    .name = "Form13",
    .caption = "Ankle and foot - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form13{desc, keys};

} // namespace ossarion::quiz
