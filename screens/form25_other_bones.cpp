// SPDX-License-Identifier: GPL-3.0-or-later
// Form25: "Other bones" - the hyoid, the middle-ear bones, sesamoid and Wormian bones,
// each a small drawing with its label(s) and a fixed explanatory text.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr const char hyoidText[] =
    "The only bone in the body \r\n"
    "not connected to another \r\n"
    "bone. It supports the tongue \r\n"
    "and can be felt in the neck. \r\n"
    "Included in the count of \r\n"
    "bones in the body.\r\n";

constexpr const char earBonesText[] =
    "Malleus (hammer), incus (anvil) and stapes, \r\n"
    "(stirrup) are the 3 bones of the middle ear. \r\n"
    "The hammer is attached to the tympanic \r\n"
    "membrane (eardrum) and transmits sound \r\n"
    "waves to the incus. The incus pass the \r\n"
    "vibrations to the stapes, the plate of which is attached to the oval window of the \r\n"
    "cochlea. The 6 bones (3 in each ear) are included in the count of bones in \r\n"
    "the body\r\n";

constexpr const char sesamoidText[] =
    "Sesamoid bones form in some people in \r\n"
    "some tendons. Tend to develop in \r\n"
    "tendons which exert pressure on parts \r\n"
    "they glide over. These 2 are shown with \r\n"
    "the first metacarpal which articulates with \r\n"
    "the thumb. They are not included in the \r\n"
    "number of bones in the body.\r\n";

constexpr const char wormianText[] =
    "Wormian (or supernumerary) \r\n"
    "bones form from new centres \r\n"
    "in membranous tissue which \r\n"
    "has ceased ossification early. Not counted in the number of bones in the body. \r\n";

static_assert(sizeof hyoidText - 1 == 164 && sizeof earBonesText - 1 == 388
              && sizeof sesamoidText - 1 == 275 && sizeof wormianText - 1 == 169);

constexpr ControlDesc controls[] = {
    button("Command2", "Full skeleton Anterior view", 10080, 120, 15, goTo(ScreenId::Form2)),
    fixedText("Text4", wormianText, 7320, 1560, 2175, 1260, 13).noTabStop(),
    drawing("Picture4", Asset::Fontanelle, 6960, 2880, 12),
    fixedText("Text3", sesamoidText, 1920, 5400, 3015, 1455, 11),
    fixedText("Text2", earBonesText, 3000, 3135, 3375, 2055, 10).noTabStop(),
    fixedText("Text1", hyoidText, 4320, 1370, 2175, 1335, 9).noTabStop(),
    drawing("Picture3", Asset::Sesamoid, 240, 5400, 3),
    drawing("Picture2", Asset::EarBones, 240, 3240, 2),
    drawing("Picture1", Asset::Hyoid, 240, 240, 1),
    button("Command1", "Main menu", 120, 6960, 0, mainMenu),
    label("Label6", "Fontanelle areas in the developing skull where Wormian bones may form", 10065, 4575,
          1245, 975, 14)
        .aligned(Align::Centre)
        .wrapped(),
    label("Label5", "Sesamoid", 1200, 6300, 690, 195, 8),
    label("Label4", "Stapes", 2400, 4680, 495, 195, 7),
    label("Label3", "Incus", 2400, 3840, 390, 195, 6),
    label("Label2", "Malleus", 2400, 3480, 540, 195, 5),
    label("Label1", "Hyoid", 3840, 1940, 405, 195, 4),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form25,
    .name = "Form25",
    .caption = "Other bones",
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form25 = desc;

} // namespace ossarion::screens
