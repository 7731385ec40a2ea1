// SPDX-License-Identifier: GPL-3.0-or-later
// The test screens, each described beside its answer keys (formN_*_test.cpp).
#pragma once

#include "quiz/answers.h"
#include "screens/model.h"

#include <span>

namespace ossarion::quiz {

struct Quiz {
    const ScreenDesc &screen;
    std::span<const AnswerKey> keys; // one per answer box, in the order Check judges them
};

// Every test screen of the program.
std::span<const Quiz> allQuizzes();

// An accepted word: lower-case letters a to z, single spaces between words.
constexpr bool isPlainWord(std::string_view w)
{
    if (w.empty() || w.front() == ' ' || w.back() == ' ')
        return false;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const char ch = w[i];
        if (ch == ' ' ? w[i + 1] == ' ' : (ch < 'a' || ch > 'z'))
            return false;
    }
    return true;
}

// True when the keys name the screen's answer boxes Text1..TextN, in order, each once.
constexpr bool keysMatchBoxes(std::span<const ControlDesc> controls, std::span<const AnswerKey> keys)
{
    std::size_t boxes = 0;
    for (const auto &c : controls)
        if (c.kind == Kind::TextBox)
            ++boxes;
    if (boxes != keys.size())
        return false;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        // "Text" followed by k + 1
        const std::string_view name = keys[k].box;
        std::size_t number = 0;
        if (name.substr(0, 4) != "Text" || name.size() < 5)
            return false;
        for (char ch : name.substr(4)) {
            if (ch < '0' || ch > '9')
                return false;
            number = number * 10 + std::size_t(ch - '0');
        }
        if (number != k + 1)
            return false;
        bool found = false;
        for (const auto &c : controls)
            found = found || (c.kind == Kind::TextBox && c.name == name);
        if (!found || !isPlainWord(keys[k].first)
            || !(keys[k].second.empty() || isPlainWord(keys[k].second)))
            return false;
    }
    return true;
}

// True when every key says where its box points: a phrase of its own, neither empty nor
// padded, so that no box reaches a screen reader as a bare number.
constexpr bool everyBoxSaysWhere(std::span<const AnswerKey> keys)
{
    for (const AnswerKey &k : keys)
        if (k.where.empty() || k.where.front() == ' ' || k.where.back() == ' ')
            return false;
    return true;
}

} // namespace ossarion::quiz
