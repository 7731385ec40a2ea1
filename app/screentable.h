// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen of the program by its identifier.
#pragma once

#include "quiz/quizzes.h"
#include "screens/model.h"

namespace ossarion {

const ScreenDesc &describe(ScreenId id);

// The answer keys of a test screen; empty for every other screen.
std::span<const AnswerKey> answerKeysOf(ScreenId id);

} // namespace ossarion
