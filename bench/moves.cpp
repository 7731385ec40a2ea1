// SPDX-License-Identifier: GPL-3.0-or-later
// The moves, measured in the program's own process on a real display: every go-to-screen
// and "Main menu" button of every screen, from its click to the target screen shown and
// its first paint flushed, each alternating with the floor's move (its bare window hidden
// and a new one shown and painted); then the resident memory over a long random walk.
// Prints two rows of the table that bench/run.cpp begins. Optional arguments: the rounds
// over every button (20) and the length of the walk (10000).
#include "app/navigator.h"
#include "app/screentable.h"
#include "app/startup.h"
#include "floorwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

using namespace ossarion;
using Clock = std::chrono::steady_clock;

namespace {

// Which windows have painted since the last clear.
class PaintWatch final : public QObject {
public:
    std::set<const QObject *> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            painted.insert(watched);
        return false;
    }
};

PaintWatch *watch = nullptr;

// Handles events until the window has painted; a paint has reached the display when the
// event that caused it has been handled, which is when processEvents returns.
bool waitPainted(const QWidget *window)
{
    bool late = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &limit, [&late] { late = true; });
    limit.start(2000);
    while (!watch->painted.count(window) && !late)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !late;
}

// Lets whatever is still under way (window-manager replies, deferred deletes) finish.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto until = Clock::now() + std::chrono::milliseconds(3);
    while (Clock::now() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPushButton *buttonOf(QWidget *screen, std::string_view name)
{
    return screen->findChild<QPushButton *>(QLatin1StringView(name.data(), qsizetype(name.size())),
                                           Qt::FindDirectChildrenOnly);
}

QWidget *mainScreenOnView(ScreenRegistry &registry, ScreenId *which = nullptr)
{
    for (int i = 0; i < screenCount; ++i) {
        const auto id = ScreenId(i);
        QWidget *w = isMainScreen(id) ? registry.peek(id) : nullptr;
        if (w && w->isVisible()) {
            if (which)
                *which = id;
            return w;
        }
    }
    return nullptr;
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Samples {
    std::vector<double> wall, cpu;
    double at(std::vector<double> &v, double q) const
    {
        std::sort(v.begin(), v.end());
        return v[std::size_t(q * double(v.size() - 1) + 0.5)];
    }
};

double residentMiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The timed parts, kept apart so that a profiler can be pointed at them
// (valgrind --tool=callgrind --toggle-collect='*timedProgramMove*').
[[gnu::noinline]] QWidget *timedProgramMove(QPushButton *button, ScreenRegistry &registry, ScreenId *targetId)
{
    button->click();
    QWidget *target = mainScreenOnView(registry, targetId);
    return target && waitPainted(target) ? target : nullptr;
}

[[gnu::noinline]] QWidget *timedFloorMove(QWidget *old)
{
    old->hide();
    old->deleteLater();
    QWidget *next = bench::makeFloorWindow();
    const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
    next->move((desktop.width() - 765) / 2, (desktop.height() - 508) / 2);
    next->show();
    return waitPainted(next) ? next : nullptr;
}

struct Move {
    ScreenId from;
    std::string_view button;
    bool isGoTo;
};

std::vector<Move> movesOf(ScreenId id)
{
    std::vector<Move> moves;
    for (const ControlDesc &c : describe(id).controls)
        if (c.kind == Kind::Button && (c.action.kind == ActionKind::GoTo || c.action.kind == ActionKind::MainMenu))
            moves.push_back({id, c.name, c.action.kind == ActionKind::GoTo});
    return moves;
}

[[noreturn]] void fail(const char *what, const Move &m)
{
    std::fprintf(stderr, "bench: %s (%s %.*s)\n", what, describe(m.from).name.data(), int(m.button.size()),
                 m.button.data());
    std::exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    // Optional: rounds over every button, and the length of the random walk.
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int total = argc > 2 ? std::max(101, std::atoi(argv[2])) : 10000;
    choosePlatform();
    int toolkitArgc = 1;
    char *toolkitArgv[] = {argv[0], nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    prepareApplication(app);
    watch = new PaintWatch;
    app.installEventFilter(watch);
    std::mt19937 random(20240607);

    // Every button, in a shuffled order, each `rounds` times.
    std::vector<Move> all;
    for (int i = 0; i < screenCount; ++i)
        for (const Move &m : movesOf(ScreenId(i)))
            all.push_back(m);
    std::vector<Move> order;
    for (int r = 0; r < rounds; ++r)
        order.insert(order.end(), all.begin(), all.end());
    std::shuffle(order.begin(), order.end(), random);

    Samples program, floor;
    {
        Navigator navigator;
        ScreenRegistry &registry = navigator.registry();
        for (const Move &m : order) {
            QWidget *from = registry.take(m.from);
            from->show();
            if (!waitPainted(from))
                fail("a screen was not painted", m);
            settle();
            QPushButton *button = buttonOf(from, m.button);
            watch->painted.clear();

            auto t0 = Clock::now();
            double c0 = threadCpuMs();
            ScreenId targetId{};
            if (!timedProgramMove(button, registry, &targetId))
                fail("the target was not shown and painted", m);
            program.wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
            program.cpu.push_back(threadCpuMs() - c0);
            registry.drop(targetId);
            settle();

            // The floor's move: its window hidden and dropped, a new one shown where a
            // screen is placed, and painted.
            std::unique_ptr<QWidget> old(bench::makeFloorWindow());
            old->show();
            if (!waitPainted(old.get()))
                fail("the floor's window was not painted", m);
            settle();
            watch->painted.clear();
            t0 = Clock::now();
            c0 = threadCpuMs();
            std::unique_ptr<QWidget> next(timedFloorMove(old.release()));
            if (!next)
                fail("the floor's new window was not painted", m);
            floor.wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
            floor.cpu.push_back(threadCpuMs() - c0);
            next.reset();
            settle();
        }
    }
    const double p99 = program.at(program.wall, 0.99);
    std::printf("| move, click to target shown and painted (%zu buttons x %d, each beside a floor move), ms "
                "| p50 %.2f, p99 %.2f (CPU p50 %.2f) | p50 %.2f, p99 %.2f, max %.2f (CPU p50 %.2f, p99 %.2f) | p99 %.2f | < 4 %s |\n",
                all.size(), rounds, floor.at(floor.wall, 0.5), floor.at(floor.wall, 0.99), floor.at(floor.cpu, 0.5),
                program.at(program.wall, 0.5), p99, program.wall.back(), program.at(program.cpu, 0.5),
                program.at(program.cpu, 0.99), p99, p99 < 4.0 ? "met" : "MISSED");
    std::fflush(stdout);

    // Steadiness: a random walk over the same buttons, from the title screen.
    constexpr int early = 100;
    double afterEarly = 0;
    {
        Navigator navigator;
        ScreenRegistry &registry = navigator.registry();
        navigator.start();
        for (int i = 1; i <= total; ++i) {
            ScreenId currentId{};
            QWidget *current = mainScreenOnView(registry, &currentId);
            const auto moves = movesOf(currentId);
            const Move &m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
            watch->painted.clear();
            buttonOf(current, m.button)->click();
            QWidget *target = mainScreenOnView(registry);
            if (!target || !waitPainted(target))
                fail("the target was not shown and painted", m);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (i == early) {
                settle();
                afterEarly = residentMiB();
            }
        }
        settle();
        const double growth = residentMiB() - afterEarly;
        std::printf("| resident memory after %d random moves minus after the first %d, MiB | | %.1f -> %.1f | %+.2f | < 1 %s |\n",
                    total, early, afterEarly, afterEarly + growth, growth, growth < 1.0 ? "met" : "MISSED");
    }
    return 0;
}
