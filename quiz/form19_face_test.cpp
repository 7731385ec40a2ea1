// SPDX-License-Identifier: GPL-3.0-or-later
// Form19: the test of the bones of the face (8 boxes).
#include "quiz/tests.h"

namespace ossarion::quiz {

namespace {
constexpr ControlDesc controls[] = {
    // A smaller front view of the skull than the face view's, right of the large drawing.
    drawing("Picture1", Asset::SmallFace, 9240, 3600, 15),
    button("Command6", "Full skeleton Anterior view", 10080, 3000, 14, goTo(ScreenId::Form2)).noTabStop(),
    button("Command5", "Skull", 10080, 2280, 13, goTo(ScreenId::Form16)).noTabStop(),
    // "Main menu" covers the lower left corner of the large drawing and lies above it.
    button("Command1", "Main menu", 120, 6960, 9, mainMenu).noTabStop(),
    // Right of the large drawing, above the small one.
    answerBox("Text8", 9000, 600, 855, 7),
    answerBox("Text7", 9000, 1960, 855, 6),
    // Below the large drawing; the two widest boxes take the two-word names.
    answerBox("Text6", 6555, 7080, 1695, 5),
    answerBox("Text5", 3075, 7080, 1575, 4),
    // Left of the large drawing. Text2 to Text4 reach 15 twips into its left edge,
    // so the boxes come before the drawing to lie above it.
    answerBox("Text4", 120, 3520, 975, 3),
    answerBox("Text3", 240, 2660, 855, 2),
    answerBox("Text2", 0, 1680, 1095, 1),
    answerBox("Text1", 0, 520, 975, 0),
    drawing("Picture2", Asset::FacialBones, 1080, 0, 12),
    button("Command4", "Face", 10080, 1560, 11, goTo(ScreenId::Form18)).noTabStop(),
    button("Command3", "Reset", 10080, 840, 10, reset).noTabStop(),
    button("Command2", "Check", 10080, 120, 8, check),
};
constexpr AnswerKey keys[] = {
    {"Text1",
     "the small thin bones at the inner corner of each eye socket, left of the large drawing, at the top",
     "lachrymal"}, // the program's own spelling; "lacrimal" is not taken
    {"Text2",
     "the thin scrolled bones inside the nose, left of the large drawing",
     "turbinate"},
    {"Text3",
     "the pair of small bones forming the bridge of the nose, left of the large drawing",
     "nasal"},
    {"Text4",
     "the cheek bones, left of the large drawing",
     "zygomatic"},
    {"Text5",
     "the upper jaw with its teeth, below the large drawing, on the left",
     "superior maxillary"},
    {"Text6",
     "the lower jaw, below the large drawing, on the right",
     "inferior maxillary"},
    {"Text7",
     "the pair of L-shaped bones at the back of the roof of the mouth, right of the large drawing",
     "palate"},
    {"Text8",
     "the thin plate that divides the nose down the middle, right of the large drawing, at the top",
     "vomer"},
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form19,
    .name = "Form19",
    .caption = "Face - Major features - test",
    .controls = controls,
};
static_assert(isWellFormed(desc));
static_assert(keysMatchBoxes(controls, keys));
static_assert(everyBoxSaysWhere(keys));
} // namespace

const Quiz form19{desc, keys};

} // namespace ossarion::quiz
