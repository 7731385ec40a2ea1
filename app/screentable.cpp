// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screentable.h"

#include "quiz/tests.h"
#include "screens/screens.h"

#include <array>

namespace ossarion {

namespace {

const std::array<const ScreenDesc *, screenCount> &table()
{
    static const std::array<const ScreenDesc *, screenCount> screens = {
        &screens::form1,       &screens::form2,       &screens::form3,       &quiz::form4.screen,
        &quiz::form5.screen,   &screens::form6,       &quiz::form7.screen,   &screens::form8,
        &quiz::form9.screen,   &screens::form10,      &quiz::form11.screen,  &screens::form12,
        &quiz::form13.screen,  &screens::form14,      &quiz::form15.screen,  &screens::form16,
        &screens::form17,      &screens::form18,      &quiz::form19.screen,  &quiz::form20.screen,
        &screens::form21,      &quiz::form22.screen,  &screens::form23,      &quiz::form24.screen,
        &screens::form25,      &screens::frmAbout,    &screens::frmAbout1,
    };
    return screens;
}

} // namespace

const ScreenDesc &describe(ScreenId id)
{
    const ScreenDesc &desc = *table()[std::size_t(indexOf(id))];
    Q_ASSERT(desc.id == id);
    return desc;
}

std::span<const AnswerKey> answerKeysOf(ScreenId id)
{
    for (const quiz::Quiz &q : quiz::allQuizzes())
        if (q.screen.id == id)
            return q.keys;
    return {};
}

} // namespace ossarion
