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
    {"Text1",
     "the rounded top of the head that holds the brain, right of the drawing",
     "cranium"},
    {"Text2",
     "the bones of the front of the head around the eyes, nose and mouth, right of the drawing",
     "face"},
    {"Text3",
     "the bones of the neck, right of the drawing; the word vertebrae follows the box",
     "cervical"},
    {"Text4",
     "the slender bone across the top of the chest, from the neck to the shoulder, right of the drawing",
     "clavicle"},
    {"Text5",
     "the flat bone down the middle of the chest, where the ribs meet in front, right of the drawing",
     "sternum"},
    {"Text6",
     "the long bone of the upper arm, right of the drawing",
     "humerus"},
    {"Text7",
     "the strips joining the ribs to the breastbone, right of the drawing; the word cartilage follows the box",
     "costal"},
    {"Text8",
     "the forearm bone on the thumb side, right of the drawing",
     "radius"},
    {"Text9",
     "the forearm bone on the little finger side, right of the drawing",
     "ulna"},
    {"Text10",
     "the small bones of the wrist, right of the drawing",
     "carpals"},
    {"Text11",
     "the long bones of the palm of the hand, right of the drawing",
     "metacarpals"},
    {"Text12",
     "the bones of the fingers and thumb, right of the drawing",
     "phalanges"}, // of the hand
    {"Text13",
     "the long bone of the thigh, right of the drawing",
     "femur"},
    {"Text14",
     "the small round bone in front of the knee, right of the drawing",
     "patella"},
    {"Text15",
     "the thick inner bone of the lower leg, along the shin, right of the drawing",
     "tibia"},
    {"Text16",
     "the thin outer bone of the lower leg, right of the drawing",
     "fibula"},
    {"Text17",
     "the bones of the ankle and heel, right of the drawing",
     "tarsals"},
    {"Text18",
     "the long bones of the foot in front of the ankle, right of the drawing",
     "metatarsals"},
    {"Text19",
     "the bones of the toes, right of the drawing, at the bottom",
     "phalanges"}, // of the foot
    {"Text20",
     "all the bones of the head together, left of the drawing, at the top",
     "skull"},
    {"Text21",
     "the curved bones around the chest, left of the drawing; the word cage follows the box",
     "rib"},
    {"Text22",
     "the basin of bones at the hips, left of the drawing",
     "pelvis"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form4,
    .name = "Form4",
    .caption = "Skeleton - Anterior view - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form4{desc, keys};

} // namespace ossarion::quiz
