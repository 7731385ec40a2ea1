// SPDX-License-Identifier: GPL-3.0-or-later
// Answer keys and the two operations of a test: Check and Reset.
#pragma once

#include <QString>

#include <span>
#include <string_view>

class QWidget;

namespace ossarion {

// One answer box: where it points and its accepted words, compared in this order.
struct AnswerKey {
    std::string_view box; // the answer box's name, "Text1" ...
    // What the box points at on the drawing, for whoever cannot see it, in words that do
    // not give the answer away.
    std::string_view where;
    std::string_view first;
    std::string_view second = {};
};

// Whether a typed answer is accepted: the whole text lower-cased, then compared
// character for character with each accepted word. Nothing is trimmed.
bool isAccepted(const QString &typed, const AnswerKey &key);

// Names every box of a newly built test screen for screen readers: its place among the
// boxes and where it points.
void nameAnswerBoxes(QWidget *screen, std::span<const AnswerKey> keys);

// Paints every box of the screen green (accepted) or red; the text stays as typed. For
// screen readers each box is described by its verdict, and the screen's Check button by
// the count, which is announced where the focus stays.
void checkAnswers(QWidget *screen, std::span<const AnswerKey> keys);

// Empties every box of the screen and paints it white; the verdicts go too.
void resetAnswers(QWidget *screen, std::span<const AnswerKey> keys);

// What the Check button says after a Check: "5 of 8 correct; wrong: 2, 4, 7, 8", the
// numbers being those of the boxes.
QString verdictSummary(std::span<const bool> accepted);

} // namespace ossarion
