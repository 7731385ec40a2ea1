// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded random walk over everything a user can do: every kind of move, the About
// and details screens opened and closed every way, any text typed, committed and pasted
// into the answer boxes, Check, Reset, and close requests answered No. After every action
// the whole program is checked against a model of what it must show. The moves' targets and
// the right answers come from the reviewed screen map (tests/golden/screens.txt), not from
// the tables under test.
//
// OSSARION_SOAK_SEED=<n> replays a walk (a failure prints its seed), OSSARION_SOAK_ACTIONS
// and OSSARION_SOAK_SECONDS bound it (30000 actions or 30 s, whichever comes first).
#include "goldenmap.h"
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <map>

using namespace testing;

namespace {

const QColor green(0, 255, 0);
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);

// What a box must show. Untouched: its default background; Cleared: white after Reset;
// Right or Wrong: green or red after Check. Typing changes the text and never the colour.
enum class Shade { Untouched, Cleared, Right, Wrong };
struct BoxModel {
    QString text;
    Shade shade = Shade::Untouched;
};

// Two notices that say nothing about the program, repeated thousands of times: the headless
// platform cannot pass a fixed-size window's size hints on (every About screen), and the
// fonts have no shaping tables for some of the scripts that random text is drawn from.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")
        || message.startsWith(QLatin1String("OpenType support missing for ")))
        return;
    previousHandler(type, context, message);
}

quint64 environmentNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;
    QRandomGenerator random;
    quint64 seed = 0;

    // The model.
    ScreenId current = ScreenId::Form1;
    bool aboutOpen = false;
    bool detailsOpen = false;
    std::vector<BoxModel> boxes; // of the current screen, Text1 first

    // For the failure message: the last actions taken.
    std::deque<QString> recent;
    qint64 actionNumber = 0;
    int questionsAsked = 0;
    qint64 judgedRight = 0; // boxes Check found right: the walk must give right answers too

    ScreenRegistry &registry() { return navigator->registry(); }
    QWidget *screen() { return registry().peek(current); }

    quint32 below(quint32 n) { return random.bounded(n); }
    bool chance(quint32 outOf) { return random.bounded(outOf) == 0; }

    std::map<QString, int> kinds; // how many actions of each kind

    void note(const char *kind, const QString &what)
    {
        kinds[QLatin1String(kind)] += 1;
        recent.push_back(QStringLiteral("%1: %2").arg(actionNumber).arg(what));
        if (recent.size() > 12)
            recent.pop_front();
    }

    QLineEdit *box(int k) { return qobject_cast<QLineEdit *>(control(screen(), QStringLiteral("Text%1").arg(k + 1))); }

    const golden::Screen &expected()
    {
        const golden::Screen *s = golden::screen(qs(describe(current).name));
        if (!s)
            qFatal("the screen map has no %s", describe(current).name.data());
        return *s;
    }

    void arrive(ScreenId id)
    {
        current = id;
        boxes.assign(expected().accepts.size(), BoxModel{});
    }

    // Presses a button the way a user might: a click of the mouse, Space on it, or its
    // clicked signal as a screen reader would.
    void press(QPushButton *button)
    {
        switch (below(3)) {
        case 0: QTest::mouseClick(button, Qt::LeftButton); break;
        case 1: QTest::keyClick(button, Qt::Key_Space); break;
        default: button->click(); break;
        }
    }

    QPushButton *button(QWidget *on, const char *name)
    {
        return qobject_cast<QPushButton *>(control(on, QLatin1String(name)));
    }

    // ---- Text ----

    // Any text: ASCII, the rest of the basic plane, lone surrogates, every other plane,
    // control characters and line breaks; now and then very long.
    QString anyText(int maxLength)
    {
        QString s;
        const int length = int(below(quint32(maxLength) + 1));
        s.reserve(length);
        while (s.size() < length) {
            switch (below(7)) {
            case 0:
            case 1: s += QChar(char16_t(random.bounded(0x20, 0x7F))); break;
            case 2: s += QChar(char16_t(random.bounded(0xA0, 0xD800))); break;
            case 3: s += QChar(char16_t(random.bounded(0xD800, 0xE000))); break;
            case 4: {
                const char32_t astral = char32_t(random.bounded(0x10000, 0x110000));
                s += QString::fromUcs4(&astral, 1);
                break;
            }
            case 5: s += QLatin1String(chance(2) ? "\r\n" : "\n"); break;
            default: s += QChar(char16_t(random.bounded(0, 0x20))); break;
            }
        }
        return s;
    }

    // What a keyboard can type one key at a time: printable characters of the basic plane.
    QString typeableText(int maxLength)
    {
        QString s;
        const int length = 1 + int(below(quint32(maxLength)));
        while (s.size() < length) {
            const QChar c = chance(2) ? QChar(char16_t(random.bounded(0x20, 0x7F)))
                                      : QChar(char16_t(random.bounded(0xA0, 0xD800)));
            if (c.isPrint())
                s += c;
        }
        return s;
    }

    enum class Place { End, Start, Replace };

    // Puts the cursor where the text goes and works out what the box must then hold.
    QString placeCursor(QLineEdit *b, const QString &before, const QString &inserted, Place place)
    {
        switch (place) {
        case Place::End: b->end(false); return before + inserted;
        case Place::Start: b->home(false); return inserted + before;
        case Place::Replace: b->selectAll(); return inserted;
        }
        return {};
    }

    void typeIntoBox()
    {
        const int k = int(below(quint32(boxes.size())));
        QLineEdit *b = box(k);
        BoxModel &model = boxes[std::size_t(k)];
        const int way = int(below(4));
        const int room = b->maxLength();
        QString text;
        Place place = Place(below(3));
        switch (way) {
        case 0:
            if (chance(2)) { // one of the box's right answers, in any mix of capitals
                const QStringList &right = expected().accepts.at(k + 1);
                text = right.value(int(below(quint32(right.size()))));
                for (QChar &c : text)
                    if (chance(2))
                        c = c.toUpper();
                place = Place::Replace;
            } else {
                text = typeableText(30);
            }
            break;
        default: text = anyText(chance(20) ? 20000 : 60); break;
        }
        if (text.isEmpty())
            text = QStringLiteral("x");
        if (model.text.size() + text.size() > room)
            place = Place::Replace;
        const QString expected = placeCursor(b, model.text, text, place);
        b->setFocus();

        switch (way) {
        case 0: // typed, key by key
            for (const QChar c : std::as_const(text)) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(b, &press);
                QCoreApplication::sendEvent(b, &release);
            }
            note("type", QStringLiteral("type %1 characters into Text%2").arg(text.size()).arg(k + 1));
            break;
        case 1: { // committed by an input method
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(b, &commit);
            note("commit", QStringLiteral("commit %1 characters into Text%2").arg(text.size()).arg(k + 1));
            break;
        }
        default: // pasted, by the keyboard or the context menu's action
            QGuiApplication::clipboard()->setText(text);
            if (way == 2)
                QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
            else
                b->paste();
            note("paste", QStringLiteral("paste %1 characters into Text%2").arg(text.size()).arg(k + 1));
            break;
        }
        model.text = expected;
    }

    // Enter, Tab and leaving a box judge nothing.
    void keysInBox()
    {
        const int k = int(below(quint32(boxes.size())));
        QLineEdit *b = box(k);
        const Qt::Key key = std::array{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Escape}[below(4)];
        QTest::keyClick(b, key);
        note("key in a box", QStringLiteral("key %1 in Text%2").arg(int(key), 0, 16).arg(k + 1));
    }

    // ---- Moves ----

    void move()
    {
        std::vector<const golden::Button *> moves;
        for (const golden::Button &b : expected().buttons)
            if (!b.goesTo.isEmpty())
                moves.push_back(&b);
        QVERIFY2(!moves.empty(), "the screen map gives this screen no move");
        const golden::Button &b = *moves[below(quint32(moves.size()))];
        note("move", QStringLiteral("%1 %2 (%3) to %4").arg(qs(describe(current).name), b.name, b.caption, b.goesTo));
        press(button(screen(), qPrintable(b.name)));
        arrive(screenNamed(b.goesTo));
    }

    void openAbout()
    {
        note("About", QStringLiteral("About"));
        press(button(screen(), "Command2"));
        aboutOpen = true;
    }

    void openDetails()
    {
        note("More details", QStringLiteral("More details"));
        press(button(registry().peek(ScreenId::frmAbout), "Command1"));
        detailsOpen = true;
    }

    // OK, Enter, Escape or the window system's close request.
    void closeAboutScreen(ScreenId id)
    {
        QWidget *w = registry().peek(id);
        const int way = int(below(4));
        if (way == 1 || way == 2) {
            QWidget *focus = w->focusWidget() ? w->focusWidget() : w;
            if (id == ScreenId::frmAbout && chance(3))
                focus = control(w, QStringLiteral("Command1")); // Enter and Escape still mean OK
            QTest::keyClick(focus, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
        } else if (way == 0) {
            press(button(w, "cmdOK"));
        } else {
            QVERIFY(w->close());
        }
        note("close About or details", QStringLiteral("close %1 by %2").arg(qs(describe(id).name)).arg(
            std::array{"OK", "Enter", "Escape", "close request"}[way]));
        (id == ScreenId::frmAbout ? aboutOpen : detailsOpen) = false;
    }

    // A close request on the main screen, answered No (after a refused Escape, at times).
    void closeMainScreen()
    {
        const int before = questionsAsked;
        const bool escapeFirst = chance(3);
        QTimer::singleShot(0, qApp, [this, escapeFirst] {
            auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!question)
                return;
            ++questionsAsked;
            if (escapeFirst)
                QTest::keyClick(question, Qt::Key_Escape);
            question->button(QMessageBox::No)->click();
        });
        note("close request answered No", QStringLiteral("close request on %1, answered No").arg(qs(describe(current).name)));
        QVERIFY2(!screen()->close(), "the main screen closed");
        QCOMPARE(questionsAsked, before + 1);
    }

    void check()
    {
        note("Check", QStringLiteral("Check"));
        press(button(screen(), "Command2"));
        for (std::size_t k = 0; k < boxes.size(); ++k)
            boxes[k].shade = golden::accepts(expected(), int(k) + 1, boxes[k].text) ? Shade::Right : Shade::Wrong;
        judgedRight += std::count_if(boxes.begin(), boxes.end(), [](const BoxModel &b) { return b.shade == Shade::Right; });
    }

    void reset()
    {
        note("Reset", QStringLiteral("Reset"));
        press(button(screen(), "Command3"));
        for (BoxModel &b : boxes)
            b = BoxModel{QString(), Shade::Cleared};
    }

    // One action, chosen among those the current state allows.
    void act()
    {
        const bool test = !boxes.empty();
        while (true) {
            switch (below(10)) {
            case 0:
            case 1:
                if (!test || chance(4)) { // a test is worth staying on a while
                    move();
                    return;
                }
                break;
            case 2:
                if (current == ScreenId::Form1 && !chance(3)) {
                    openAbout();
                    return;
                }
                if (aboutOpen) {
                    openDetails();
                    return;
                }
                break;
            case 3:
                if (aboutOpen || detailsOpen) {
                    closeAboutScreen(aboutOpen && (!detailsOpen || chance(2)) ? ScreenId::frmAbout : ScreenId::frmAbout1);
                    return;
                }
                break;
            case 4:
                if (chance(3)) {
                    closeMainScreen();
                    return;
                }
                break;
            case 5:
            case 6:
                if (test) {
                    typeIntoBox();
                    return;
                }
                break;
            case 7:
                if (test) {
                    keysInBox();
                    return;
                }
                break;
            case 8:
                if (test) {
                    check();
                    return;
                }
                break;
            default:
                if (test) {
                    reset();
                    return;
                }
                break;
            }
        }
    }

    // ---- The checks ----

    // Empty when the program shows what the model says; otherwise what differs.
    QString mismatch()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto visible = visibleMainScreens();
        if (visible.size() != 1)
            return QStringLiteral("%1 main screens on view").arg(visible.size());
        QWidget *shown = visible.front();
        if (shown->objectName() != qs(describe(current).name))
            return QStringLiteral("%1 on view instead of %2").arg(shown->objectName(), qs(describe(current).name));
        for (ScreenId id : allScreens())
            if (isMainScreen(id) && (registry().peek(id) != nullptr) != (id == current))
                return QStringLiteral("the registry holds %1").arg(qs(describe(id).name));
        if (registry().peek(current) != shown)
            return QStringLiteral("the registry holds another %1 than the one on view").arg(shown->objectName());

        // The About screens: open exactly when the model says, once at most; nothing else.
        std::map<QString, int> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows[w->objectName()] += 1;
        const std::map<QString, int> expected = [this] {
            std::map<QString, int> e{{qs(describe(current).name), 1}};
            if (aboutOpen)
                e[QStringLiteral("frmAbout")] = 1;
            if (detailsOpen)
                e[QStringLiteral("frmAbout1")] = 1;
            return e;
        }();
        if (windows != expected) {
            QStringList names;
            for (const auto &[name, count] : windows)
                names << QStringLiteral("%1 x%2").arg(name).arg(count);
            return QStringLiteral("windows alive: %1").arg(names.join(QLatin1String(", ")));
        }
        for (auto [id, open] : {std::pair{ScreenId::frmAbout, aboutOpen}, std::pair{ScreenId::frmAbout1, detailsOpen}}) {
            QWidget *w = registry().peek(id);
            if (open != (w && w->isVisible()))
                return QStringLiteral("%1 is %2").arg(qs(describe(id).name), open ? "not open" : "still held");
        }

        // The answer boxes.
        const QColor untouched = QApplication::palette().color(QPalette::Base);
        if (shown->findChildren<QLineEdit *>().size() != qsizetype(boxes.size()))
            return QStringLiteral("%1 answer boxes, %2 expected").arg(shown->findChildren<QLineEdit *>().size()).arg(boxes.size());
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            QLineEdit *b = box(int(k));
            const QColor colour = b->palette().color(QPalette::Base);
            const BoxModel &m = boxes[k];
            const bool rightShade = m.shade == Shade::Untouched ? colour == untouched
                                  : m.shade == Shade::Cleared   ? colour == white
                                  : m.shade == Shade::Right     ? colour == green
                                                                : colour == red;
            if (!rightShade)
                return QStringLiteral("Text%1 is %2, holding \"%3\"").arg(k + 1).arg(colour.name(), m.text.left(60));
            if (b->text() != m.text)
                return QStringLiteral("Text%1 holds %2 characters, %3 were typed (first difference at %4)")
                    .arg(k + 1)
                    .arg(b->text().size())
                    .arg(m.text.size())
                    .arg(std::mismatch(m.text.begin(), m.text.end(), b->text().begin(), b->text().end()).first - m.text.begin());
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        previousHandler = qInstallMessageHandler(quietHandler);
    }

    void randomWalk()
    {
        seed = environmentNumber("OSSARION_SOAK_SEED", QRandomGenerator::system()->generate64());
        const qint64 actions = qint64(environmentNumber("OSSARION_SOAK_ACTIONS", 30000));
        const qint64 budgetMs = qint64(environmentNumber("OSSARION_SOAK_SECONDS", 30)) * 1000;
        random.seed(quint32(seed ^ (seed >> 32)));
        qInfo("soak: seed %llu (replay with OSSARION_SOAK_SEED=%llu)", seed, seed);

        navigator = std::make_unique<Navigator>();
        navigator->start();
        arrive(ScreenId::Form1);
        QElapsedTimer clock;
        clock.start();
        for (actionNumber = 1; actionNumber <= actions && clock.elapsed() < budgetMs; ++actionNumber) {
            act();
            const QString why = QTest::currentTestFailed() ? QStringLiteral("the action failed") : mismatch();
            if (!why.isEmpty()) {
                qWarning("soak: the last actions:\n  %s", qPrintable(QStringList(recent.begin(), recent.end()).join(QLatin1String("\n  "))));
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3. Replay: OSSARION_SOAK_SEED=%1 OSSARION_SOAK_ACTIONS=%2")
                                     .arg(seed).arg(actionNumber).arg(why)));
            }
        }
        QStringList counts;
        for (const auto &[kind, count] : kinds)
            counts << QStringLiteral("%1 %2").arg(count).arg(kind);
        qInfo("soak: %lld actions in %.1f s, seed %llu (%s)", actionNumber - 1, double(clock.elapsed()) / 1000.0, seed,
              qPrintable(counts.join(QLatin1String(", "))));
        QVERIFY(actionNumber > 1000);
        qInfo("soak: %lld boxes judged right", judgedRight);
        QVERIFY(judgedRight > 0);

        navigator.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
