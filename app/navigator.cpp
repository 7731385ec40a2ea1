// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigator.h"

#include "app/centring.h"
#include "app/confirmation.h"
#include "app/screentable.h"
#include "quiz/answers.h"

#include <QCoreApplication>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace ossarion {

namespace {
// Whether the window manager may still be placing a self-centring window.
constexpr const char *placingProperty = "ossarionPlacing";
} // namespace

Navigator::Navigator() = default;

Navigator::~Navigator()
{
    m_ended = true; // destroying the windows below must not reach any handler
    m_registry.clear();
}

void Navigator::start()
{
    ScreenRegistry::show(m_registry.take(ScreenId::Form1));
}

void Navigator::goTo(QWidget *current, ScreenId currentId, ScreenId target)
{
    ScreenRegistry::hide(m_registry.take(currentId));
    m_registry.drop(currentId);
    // The sizes are those of the screen being left, read after it is hidden: a screen
    // the user enlarged places the next one off centre by half the difference.
    const float leftWidth = outerWidth(current);
    QWidget *next = m_registry.take(target);
    const auto left = centredOffset(desktopWidth(), leftWidth);
    if (!left)
        return;
    setLeft(next, *left);
    const float leftHeight = outerHeight(current);
    next = m_registry.take(target);
    const auto top = centredOffset(desktopHeight(), leftHeight);
    if (!top)
        return;
    setTop(next, *top);
    ScreenRegistry::show(m_registry.take(target));
}

void Navigator::mainMenu(QWidget *, ScreenId currentId)
{
    ScreenRegistry::hide(m_registry.take(currentId));
    m_registry.drop(currentId);
    // No position: the title screen centres itself when it is first displayed.
    ScreenRegistry::show(m_registry.take(ScreenId::Form1));
}

void Navigator::openOver(ScreenId target)
{
    ScreenRegistry::show(m_registry.take(target));
}

void Navigator::buttonClicked(QWidget *screen, const ScreenDesc &desc, const ControlDesc &button)
{
    if (m_ended)
        return;
    const Action action = button.action;
    switch (action.kind) {
    case ActionKind::GoTo: goTo(screen, desc.id, action.target); break;
    case ActionKind::MainMenu: mainMenu(screen, desc.id); break;
    case ActionKind::OpenOver: openOver(action.target); break;
    case ActionKind::Check: checkAnswers(screen, answerKeysOf(desc.id)); break;
    case ActionKind::Reset: resetAnswers(screen, answerKeysOf(desc.id)); break;
    case ActionKind::Close: screen->close(); break;
    case ActionKind::None: break;
    }
}

bool Navigator::closeRequested(QWidget *screen, const ScreenDesc &desc)
{
    if (desc.role == WindowRole::AboutScreen)
        return !m_ended;
    // Only one question at a time, and none once the program is ending.
    if (m_ended || m_asking)
        return false;
    m_asking = true;
    const bool finished = askFinished(screen);
    m_asking = false;
    if (finished) {
        // Leave the event loop directly: quitting through the application would ask every
        // window to close, and each main screen would ask again.
        m_ended = true;
        QCoreApplication::exit(0);
    }
    // The window itself never closes here; on Yes every window goes when the program ends.
    return false;
}

void Navigator::centre(QWidget *screen)
{
    // A minimised or maximised window keeps its place.
    if (screen->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    centreOnDesktop(screen);
}

void Navigator::resized(QWidget *screen, const ScreenDesc &desc)
{
    if (m_ended || desc.role == WindowRole::MainScreen)
        return;
    // Moving, never hiding and showing: doing that inside a resize recurses on the
    // first display and interrupts the user's drag of the frame.
    centre(screen);
    if (!screen->property(placingProperty).isValid())
        watchPlacement(screen);
}

// A window manager frames and places a new window in its own time: the frame, and so the
// outer size, becomes known only after the first display, and the manager's placement may
// land after the program's (sometimes without the widget being told of the frame). Until
// the window has stood framed and centred for a moment, or a few seconds have passed (a
// desktop may draw no frames at all), a self-centring window is centred again by the frame
// the window system reports whenever it is not where centring puts it.
void Navigator::watchPlacement(QWidget *screen)
{
    screen->setProperty(placingProperty, true);
    auto *timer = new QTimer(screen);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, screen, [this, screen, timer, ticks = 0, steady = 0]() mutable {
        const bool stayed = !settle(screen);
        const auto frame = reportedFrame(screen);
        steady = stayed && frame && !frame->isNull() ? steady + 1 : 0;
        if (steady == 5 || ++ticks == 250) {
            timer->deleteLater();
            screen->setProperty(placingProperty, false);
        }
    });
    timer->start();
}

// Returns whether the window had to be moved.
bool Navigator::settle(QWidget *screen)
{
    if (m_ended || !screen->isVisible()
        || (screen->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return false;
    const auto frame = reportedFrame(screen);
    return frame && recentreWithFrame(screen, *frame);
}

void Navigator::moved(QWidget *screen, const ScreenDesc &desc)
{
    if (desc.role != WindowRole::MainScreen && screen->property(placingProperty).toBool())
        settle(screen);
}

} // namespace ossarion
