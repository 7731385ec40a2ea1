// SPDX-License-Identifier: GPL-3.0-or-later
// Form22: the test of the rib cage (5 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    // One column left of the drawing, top to bottom.
    answerBox("Text5", 1320, 6600, 1215, 4),
    answerBox("Text4", 1320, 5760, 1215, 3),
    answerBox("Text3", 1320, 2760, 1215, 2),
    answerBox("Text2", 1320, 2160, 1215, 1),
    answerBox("Text1", 1320, 1600, 1215, 0),
    button("Command5", "Full skeleton Anterior view", 10080, 2280, 10, goTo(ScreenId::Form2)).noTabStop(),
    button("Command4", "Rib cage", 10080, 1560, 9, goTo(ScreenId::Form21)).noTabStop(),
    button("Command3", "Reset", 10080, 840, 8, reset).noTabStop(),
    button("Command2", "Check", 10080, 120, 5, check),
    drawing("Picture1", Asset::RibCage, 2602, 0, 7),
    button("Command1", "Main menu", 120, 6960, 6, mainMenu).noTabStop(),
};
// The only boxes of the program that take either of two words: the short name or the
// full name of the group. The short name is compared first.
constexpr AnswerKey keys[] = {
    {"Text1",
     "the flat bone down the middle of the chest, left of the drawing, at the top",
     "sternum"},
    {"Text2",
     "the bracket over the curved bones numbered 1 to 7, each joined to the breastbone by its own strip, left of the drawing",
     "true", "true ribs"},
    {"Text3",
     "the strips joining the curved bones to the breastbone, left of the drawing",
     "cartilage", "costal cartilage"},
    {"Text4",
     "the bracket over the curved bones numbered 8 to 12, which do not reach the breastbone on their own, left of the drawing",
     "false", "false ribs"},
    {"Text5",
     "the bracket over the curved bones numbered 11 and 12, joined to nothing in front, left of the drawing, at the bottom",
     "floating", "floating ribs"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form22,
    .name = "Form22",
    .caption = "Rib cage - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form22{desc, keys};

} // namespace ossarion::quiz
