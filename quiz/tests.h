// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven test screens with their answer keys, one file each.
#pragma once

#include "quiz/quizzes.h"

namespace ossarion::quiz {

extern const Quiz form4;  // skeleton, anterior view
extern const Quiz form5;  // skeleton, posterior view
extern const Quiz form7;  // arm
extern const Quiz form9;  // wrist and hand
extern const Quiz form11; // leg
extern const Quiz form13; // ankle and foot
extern const Quiz form15; // pelvis
extern const Quiz form19; // face
extern const Quiz form20; // cranium
extern const Quiz form22; // rib cage
extern const Quiz form24; // spine

} // namespace ossarion::quiz
