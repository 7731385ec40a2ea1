// SPDX-License-Identifier: GPL-3.0-or-later
// Form2: the whole skeleton from the front, the hub of the program.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {
constexpr ControlDesc controls[] = {
    button("Command9", "Other bones", 120, 5880, 31, goTo(ScreenId::Form25)),
    button("Command8", "Rib cage", 480, 1800, 30, goTo(ScreenId::Form21)),
    button("Command7", "Skull", 120, 720, 29, goTo(ScreenId::Form16)),
    button("Command6", "Pelvis", 1800, 3120, 28, goTo(ScreenId::Form14)),
    button("Command5", "Leg", 8160, 6000, 27, goTo(ScreenId::Form10)),
    button("Command4", "Arm", 7680, 1920, 26, goTo(ScreenId::Form6)),
    button("Command3", "Anterior test", 10080, 840, 25, goTo(ScreenId::Form4)),
    button("Command2", "Posterior view", 10080, 120, 1, goTo(ScreenId::Form3)),
    button("Command1", "Main menu", 120, 6960, 0, mainMenu),
    drawing("Picture1", Asset::SkeletonFront, 3720, 0, 2),
    // Left of the drawing, each between the drawing and the button of its region.
    label("Label22", "Pelvis", 3270, 3315, 420, 195, 24).aligned(Align::Right),
    label("Label21", "Rib cage - 12 pairs of ribs", 1845, 1995, 1800, 195, 23).aligned(Align::Right),
    label("Label20", "Skull - combines the cranium and face bones", 480, 440, 3180, 195, 22).aligned(Align::Right),
    // One column right of the drawing, from the head down to the toes.
    label("Label19", "Phalanges - 3 each toe - 2 each great toe - total 14 each foot", 6840, 7365, 4335, 195, 21),
    label("Label18", "Metatarsals - 5 in each foot", 6840, 7080, 1920, 195, 20),
    label("Label17", "Tarsals - 7 in each ankle", 6840, 6720, 1740, 195, 19),
    label("Label16", "Fibula", 6840, 6240, 420, 195, 18),
    label("Label15", "Tibia or shin bone", 6840, 5715, 1260, 195, 17),
    label("Label14", "Patella or knee cap", 6840, 5280, 1380, 195, 16),
    label("Label13", "Femur or thigh bone", 6840, 4800, 1410, 195, 15),
    label("Label12", "Phalanges - 3 each finger - 2 each thumb - total 14 each hand", 6840, 4360, 4395, 195, 14),
    label("Label11", "Metacarpals - 5 in each hand", 6840, 3975, 2070, 195, 13),
    label("Label10", "Carpals - 8 in each wrist", 6840, 3720, 1680, 195, 12).aligned(Align::Centre),
    label("Label9", "Ulna", 6840, 3420, 330, 195, 11),
    label("Label8", "Radius - thumb side of forearm", 6840, 3040, 2145, 195, 10),
    label("Label7", "Costal cartilage", 6840, 2520, 1080, 195, 9),
    label("Label6", "Humerus", 6840, 1880, 630, 195, 8),
    label("Label5", "Sternum or breast bone", 6840, 1560, 1650, 195, 7),
    label("Label4", "Clavicle or collar bone", 6840, 1275, 1560, 195, 6),
    label("Label3", "Cervical vertabrae - 7", 6840, 1000, 1515, 195, 5),
    label("Label2", "Face - 14 bones", 6840, 615, 1155, 195, 4),
    label("Label1", "Cranium - 8 bones", 6840, 110, 1275, 195, 3),
};
constexpr ScreenDesc desc{
    .id = ScreenId::Form2,
    .name = "Form2",
    .caption = "Skeleton - Major features - Anterior view",
    .minMaxBoxes = true,
    .controls = controls,
};
static_assert(isWellFormed(desc));
} // namespace

const ScreenDesc form2 = desc;

} // namespace ossarion::screens
