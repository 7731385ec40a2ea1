// SPDX-License-Identifier: GPL-3.0-or-later
// The screen registry: at most one live instance per screen, 27 slots.
#pragma once

#include "screens/builder.h"
#include "screens/model.h"

#include <QPointer>
#include <QWidget>

#include <array>

namespace ossarion {

class ScreenRegistry {
public:
    explicit ScreenRegistry(ScreenEvents &events) : m_events(events) {}
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;

    // The screen's instance, built hidden from its description if the slot is empty.
    QWidget *take(ScreenId id);
    // The instance in the slot, or null; builds nothing.
    QWidget *peek(ScreenId id) const;

    // Modeless and without owner; showing a visible window changes nothing.
    static void show(QWidget *screen);
    static void hide(QWidget *screen);

    // Empties the slot. The instance is never shown again; it is destroyed as soon as
    // the event that dropped it has been handled (it may still be read until then).
    // Destroying a window sends it no close request.
    void drop(ScreenId id);

    // Destroys every instance, hidden or not, without asking anything.
    void clear();

private:
    ScreenEvents &m_events;
    // Guarded pointers: a window that closes itself (the About screens) empties its slot.
    std::array<QPointer<QWidget>, screenCount> m_slots;
};

} // namespace ossarion
