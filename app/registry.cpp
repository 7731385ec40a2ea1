// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/registry.h"

#include "app/screentable.h"
#include "quiz/answers.h"

namespace ossarion {

ScreenRegistry::~ScreenRegistry()
{
    clear();
}

QWidget *ScreenRegistry::take(ScreenId id)
{
    QPointer<QWidget> &slot = m_slots[std::size_t(indexOf(id))];
    if (!slot) {
        slot = buildScreen(describe(id), m_events);
        nameAnswerBoxes(slot, answerKeysOf(id));
    }
    return slot;
}

QWidget *ScreenRegistry::peek(ScreenId id) const
{
    return m_slots[std::size_t(indexOf(id))];
}

void ScreenRegistry::show(QWidget *screen)
{
    screen->show();
}

void ScreenRegistry::hide(QWidget *screen)
{
    screen->hide();
}

void ScreenRegistry::drop(ScreenId id)
{
    QPointer<QWidget> &slot = m_slots[std::size_t(indexOf(id))];
    if (QWidget *screen = slot) {
        slot.clear();
        screen->hide();
        screen->deleteLater();
    }
}

void ScreenRegistry::clear()
{
    for (auto &slot : m_slots)
        delete slot.data();
}

} // namespace ossarion
