// SPDX-License-Identifier: GPL-3.0-or-later
// Form4: the test of the whole skeleton from the front (22 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    // Here even "Check" is skipped by Tab: the Tab key cycles through the 22 boxes only.
    button("Command4", "Full skeleton Anterior view", 10080, 1560, 29, goTo(ScreenId::Form2)).noTabStop(),
    button("Command3", "Reset", 10080, 840, 26, reset).noTabStop(),
    button("Command2", "Check", 10080, 120, 24, check).noTabStop(),
    button("Command1", "Main menu", 120, 6960, 23, mainMenu).noTabStop(),
    // Left of the drawing: skull, rib cage, pelvis.
    answerBox("Text22", 3120, 3360, 975, 21),
    answerBox("Text21", 2640, 1995, 975, 20),
    answerBox("Text20", 3120, 480, 975, 19),
    // One column right of the drawing, from the head down to the toes.
    answerBox("Text19", 7320, 7320, 975, 18),
    answerBox("Text18", 7320, 7020, 975, 17),
    answerBox("Text17", 7320, 6700, 975, 16),
    answerBox("Text16", 7320, 6240, 975, 15),
    answerBox("Text15", 7320, 5760, 975, 14),
    answerBox("Text14", 7320, 5280, 975, 13),
    answerBox("Text13", 7320, 4800, 975, 12),
    answerBox("Text12", 7320, 4440, 975, 11),
    answerBox("Text11", 7320, 4080, 975, 10),
    answerBox("Text10", 7320, 3720, 975, 9),
    answerBox("Text9", 7320, 3360, 975, 8),
    answerBox("Text8", 7320, 3000, 975, 7),
    answerBox("Text7", 7320, 2520, 975, 6),
    answerBox("Text6", 7320, 1920, 975, 5),
    answerBox("Text5", 7320, 1600, 975, 4),
    answerBox("Text4", 7320, 1280, 975, 3),
    answerBox("Text3", 7320, 960, 975, 2),
    answerBox("Text2", 7320, 600, 975, 1),
    answerBox("Text1", 7320, 140, 975, 0),
    drawing("Picture1", Asset::SkeletonFront, 4185, 53, 22),
    // Hints that complete two-word names: each follows its box so that box and hint
    // read as one name; the box takes only the first word.
    label("Label3", "cage", 3720, 2040, 360, 195, 28),
    // Begins one pixel inside Text7 and lies under it, as every label lies under a box.
    label("Label2", "cartilage", 8280, 2565, 600, 195, 27),
    label("Label1", "vertebrae", 8400, 1005, 675, 195, 25),
};
constexpr AnswerKey keys[] = {
    {"Text1", "cranium"},
    {"Text2", "face"},
    {"Text3", "cervical"},
    {"Text4", "clavicle"},
    {"Text5", "sternum"},
    {"Text6", "humerus"},
    {"Text7", "costal"},
    {"Text8", "radius"},
    {"Text9", "ulna"},
    {"Text10", "carpals"},
    {"Text11", "metacarpals"},
    {"Text12", "phalanges"}, // of the hand
    {"Text13", "femur"},
    {"Text14", "patella"},
    {"Text15", "tibia"},
    {"Text16", "fibula"},
    {"Text17", "tarsals"},
    {"Text18", "metatarsals"},
    {"Text19", "phalanges"}, // of the foot
    {"Text20", "skull"},
    {"Text21", "rib"},
    {"Text22", "pelvis"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form4,
    .name = "Form4",
    .caption = "Skeleton - Anterior view - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
} // namespace

const Quiz form4{desc, keys};

} // namespace ossarion::quiz
