// SPDX-License-Identifier: GPL-3.0-or-later
// Form5: the test of the whole skeleton from behind (5 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    button("Command4", "Full skeleton Posterior view", 10080, 1560, 9, goTo(ScreenId::Form3)).noTabStop(),
    button("Command3", "Reset", 10080, 840, 8, reset).noTabStop(),
    button("Command2", "Check", 10080, 120, 5, check),
    button("Command1", "Main menu", 120, 6960, 7, mainMenu).noTabStop(),
    // Left of the drawing: the scapula.
    answerBox("Text5", 2760, 1640, 1215, 4),
    // The spine below the neck, top to bottom. These reach 22 twips into the drawing's
    // right edge, so they are listed before it to lie above it.
    answerBox("Text4", 7440, 3440, 1215, 3),
    answerBox("Text3", 7440, 3120, 1215, 2),
    answerBox("Text2", 7440, 2680, 1215, 1),
    answerBox("Text1", 7440, 1800, 1215, 0),
    drawing("Picture1", Asset::SkeletonBack, 4012, 225, 6),
};
constexpr AnswerKey keys[] = {
    {"Text1",
     "the vertebrae of the upper back, which carry the ribs, right of the drawing",
     "dorsal"},
    {"Text2",
     "the large vertebrae of the lower back, right of the drawing",
     "lumber"}, // the program's own spelling throughout
    {"Text3",
     "the fused vertebrae between the hip bones, right of the drawing",
     "sacral"},
    {"Text4",
     "the little fused bones at the very end of the spine, right of the drawing",
     "coccyx"},
    {"Text5",
     "the flat triangular bone at the back of the shoulder, left of the drawing",
     "scapula"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form5,
    .name = "Form5",
    .caption = "Skeleton - Posterior view - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form5{desc, keys};

} // namespace ossarion::quiz
