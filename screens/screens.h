// SPDX-License-Identifier: GPL-3.0-or-later
// The descriptions of the title, view and About screens, one file each (formN_*.cpp).
// The test screens are in quiz/.
#pragma once

#include "screens/model.h"

namespace ossarion::screens {

extern const ScreenDesc form1;  // title screen
extern const ScreenDesc form2;  // skeleton, anterior view (the hub)
extern const ScreenDesc form3;  // skeleton, posterior view
extern const ScreenDesc form6;  // arm
extern const ScreenDesc form8;  // wrist and hand
extern const ScreenDesc form10; // leg
extern const ScreenDesc form12; // ankle and foot
extern const ScreenDesc form14; // pelvis
extern const ScreenDesc form16; // skull
extern const ScreenDesc form17; // cranium
extern const ScreenDesc form18; // face
extern const ScreenDesc form21; // rib cage
extern const ScreenDesc form23; // spine
extern const ScreenDesc form25; // other bones
extern const ScreenDesc frmAbout;
extern const ScreenDesc frmAbout1;

} // namespace ossarion::screens
