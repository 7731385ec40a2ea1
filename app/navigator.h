// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one dispatcher: runs every button's action, the close confirmation and
// the self-centring of the screens that centre themselves.
#pragma once

#include "app/registry.h"
#include "screens/builder.h"

namespace ossarion {

class Navigator final : public ScreenEvents {
public:
    Navigator();
    ~Navigator() override;

    // Start-up: builds the title screen and shows it.
    void start();

    ScreenRegistry &registry() { return m_registry; }

    // The moves, by the screen that asks for them.
    void goTo(QWidget *current, ScreenId currentId, ScreenId target);
    void mainMenu(QWidget *current, ScreenId currentId);
    void openOver(ScreenId target);

    void buttonClicked(QWidget *screen, const ScreenDesc &desc, const ControlDesc &button) override;
    bool closeRequested(QWidget *screen, const ScreenDesc &desc) override;
    void resized(QWidget *screen, const ScreenDesc &desc) override;
    void moved(QWidget *screen, const ScreenDesc &desc) override;

    // Whether the user has answered Yes: nothing of the program runs after that.
    bool hasEnded() const { return m_ended; }

private:
    void centre(QWidget *screen);
    void watchPlacement(QWidget *screen);
    bool settle(QWidget *screen);

    ScreenRegistry m_registry{*this};
    bool m_asking = false;
    bool m_ended = false;
};

} // namespace ossarion
