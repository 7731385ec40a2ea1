// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizzes.h"

#include "quiz/tests.h"

namespace ossarion::quiz {

std::span<const Quiz> allQuizzes()
{
    static const Quiz quizzes[] = {
        form4, form5, form7, form9, form11, form13, form15, form19, form20, form22, form24,
    };
    return quizzes;
}

} // namespace ossarion::quiz
