// SPDX-License-Identifier: GPL-3.0-or-later
// Form24: the test of the spine (12 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    // Above the drawing: the first cervical vertebra and the cervical region.
    answerBox("Text12", 4820, 840, 1215, 11),
    answerBox("Text11", 6220, 840, 1215, 10),
    // Right of the drawing, from the coccyx at the bottom up to the axis.
    answerBox("Text10", 7440, 1880, 1215, 9),
    answerBox("Text9", 7440, 2840, 1215, 8),
    answerBox("Text8", 7440, 4020, 1215, 7),
    answerBox("Text7", 7440, 4960, 1215, 6),
    answerBox("Text6", 7440, 5840, 1215, 5),
    // Left of the drawing, from the neck down to the coccyx.
    answerBox("Text5", 2880, 6100, 1215, 4),
    answerBox("Text4", 2880, 5640, 1215, 3),
    answerBox("Text3", 2880, 4600, 1215, 2),
    answerBox("Text2", 2880, 2840, 1215, 1),
    answerBox("Text1", 2880, 1440, 1215, 0),
    button("Command6", "Full skeleton Anterior view", 10080, 3000, 18, goTo(ScreenId::Form2)).noTabStop(),
    button("Command2", "Check", 10080, 120, 12, check),
    button("Command3", "Reset", 10080, 840, 17, reset).noTabStop(),
    button("Command4", "Spine", 10080, 1560, 16, goTo(ScreenId::Form23)).noTabStop(),
    button("Command5", "Full skeleton Posterior view", 10080, 2280, 15, goTo(ScreenId::Form3)).noTabStop(),
    drawing("Picture1", Asset::Spine, 4110, 1200, 14),
    button("Command1", "Main menu", 120, 6960, 13, mainMenu).noTabStop(),
};
// The regions are named twice, on either side of the drawing, so five keys serve two
// boxes each; every box is still judged on its own.
constexpr AnswerKey keys[] = {
    {"Text1",
     "the vertebrae of the neck in the side view, left of the drawing, at the top",
     "cervical"},
    {"Text2",
     "the vertebrae of the upper back, which carry the ribs, in the side view, left of the drawing",
     "dorsal"},
    {"Text3",
     "the large vertebrae of the lower back in the side view, left of the drawing",
     "lumber"}, // the program's own spelling throughout; "lumbar" is not taken
    {"Text4",
     "the fused vertebrae below the lower back in the side view, left of the drawing",
     "sacral"},
    {"Text5",
     "the little fused bones at the very end of the spine in the side view, left of the drawing, at the bottom",
     "coccyx"},
    {"Text6",
     "the tail end of the spine drawn on its own, right of the drawing, at the bottom",
     "coccyx"},
    {"Text7",
     "the broad wedge of fused vertebrae drawn on its own, right of the drawing",
     "sacral"},
    {"Text8",
     "a large vertebra of the lower back drawn on its own, right of the drawing",
     "lumber"},
    {"Text9",
     "a vertebra of the upper back drawn on its own, right of the drawing",
     "dorsal"},
    {"Text10",
     "the second vertebra of the neck, on which the head turns, drawn on its own, right of the drawing, at the top",
     "axis"},
    {"Text11",
     "the ring-shaped topmost vertebra that carries the head, drawn on its own above the drawing, on the right",
     "atlas"},
    {"Text12",
     "a vertebra of the neck drawn on its own above the drawing, on the left",
     "cervical"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form24,
    .name = "Form24",
    .caption = "Spine - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form24{desc, keys};

} // namespace ossarion::quiz
