// SPDX-License-Identifier: GPL-3.0-or-later
// Form20: the test of the bones of the cranium (6 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    // Below the large drawing.
    answerBox("Text6", 5040, 5880, 1215, 5),
    answerBox("Text5", 3300, 5880, 1215, 4),
    // Left of the large drawing, top to bottom.
    answerBox("Text4", 0, 3800, 1215, 3),
    answerBox("Text3", 0, 3000, 1215, 2),
    answerBox("Text2", 0, 2000, 1215, 1),
    answerBox("Text1", 0, 560, 1215, 0),
    button("Command2", "Check", 10080, 120, 6, check),
    button("Command3", "Reset", 10080, 840, 13, reset).noTabStop(),
    button("Command4", "Cranium", 10080, 1560, 12, goTo(ScreenId::Form17)).noTabStop(),
    button("Command5", "Skull", 10080, 2280, 11, goTo(ScreenId::Form16)).noTabStop(),
    button("Command6", "Full skeleton Anterior view", 10080, 3000, 10, goTo(ScreenId::Form2)).noTabStop(),
    // The cranium from the side, lower than on the cranium view to clear the buttons.
    drawing("Picture1", Asset::CraniumSide, 7920, 3720, 9),
    drawing("Picture2", Asset::CranialBones, 1320, 120, 8),
    button("Command1", "Main menu", 120, 6960, 7, mainMenu).noTabStop(),
};
constexpr AnswerKey keys[] = {
    {"Text1",
     "the bone at the back and base of the head, around the large opening, left of the large drawing, at the top",
     "occipital"},
    {"Text2",
     "the pair of curved plates forming the top and upper sides of the head, left of the large drawing",
     "parietal"},
    {"Text3",
     "the large rounded bone of the forehead, left of the large drawing",
     "frontal"},
    {"Text4",
     "the bone at the side of the head around the ear, left of the large drawing",
     "temporal"},
    {"Text5",
     "the bat-shaped bone across the base of the head behind the eyes, below the large drawing, on the left",
     "sphenoid"},
    {"Text6",
     "the small light bone between the eye sockets, behind the nose, below the large drawing, on the right",
     "ethmoid"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form20,
    .name = "Form20",
    .caption = "Cranium - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form20{desc, keys};

} // namespace ossarion::quiz
