// SPDX-License-Identifier: GPL-3.0-or-later
// Answer keys and the two operations of a test: Check and Reset.
#pragma once

#include <QString>

#include <span>
#include <string_view>

class QWidget;

namespace ossarion {

// The accepted words for one answer box, compared in this order.
struct AnswerKey {
    std::string_view box; // the answer box's name, "Text1" ...
    std::string_view first;
    std::string_view second = {};
};

// Whether a typed answer is accepted: the whole text lower-cased, then compared
// character for character with each accepted word. Nothing is trimmed.
bool isAccepted(const QString &typed, const AnswerKey &key);

// Paints every box of the screen green (accepted) or red; the text stays as typed.
void checkAnswers(QWidget *screen, std::span<const AnswerKey> keys);

// Empties every box of the screen and paints it white.
void resetAnswers(QWidget *screen, std::span<const AnswerKey> keys);

} // namespace ossarion
