// SPDX-License-Identifier: GPL-3.0-or-later
// Moves between screens: every button of every screen, the centring, the registry, and
// the About screens opened over the rest.
#include "testing.h"

#include "app/centring.h"
#include "app/navigator.h"
#include "app/startup.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <map>
#include <set>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

namespace {

// What the registry holds among the main screens.
std::vector<ScreenId> heldMainScreens(ScreenRegistry &registry)
{
    std::vector<ScreenId> held;
    for (ScreenId id : allScreens())
        if (isMainScreen(id) && registry.peek(id))
            held.push_back(id);
    return held;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestMoves : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;
    ScreenRegistry &registry() { return navigator->registry(); }

    // Shows a screen the way the program would have shown it.
    QWidget *open(ScreenId id)
    {
        QWidget *w = registry().take(id);
        w->show();
        return w;
    }

    void click(QWidget *screen, const QString &button)
    {
        auto *b = qobject_cast<QPushButton *>(control(screen, button));
        QVERIFY2(b, qPrintable(button));
        b->click();
    }

    // The one main screen on view, checked against the registry.
    QWidget *onlyScreenOnView()
    {
        const auto visible = visibleMainScreens();
        if (visible.size() != 1)
            return nullptr;
        const auto held = heldMainScreens(registry());
        if (held.size() != 1 || registry().peek(held.front()) != visible.front())
            return nullptr;
        return visible.front();
    }

    // Where a screen of the designed size lands, worked out by hand for this desktop.
    QPoint centredPoint(QSize outer) const
    {
        const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
        return QPoint(int(std::lround((desktop.width() - outer.width()) / 2.0)),
                      int(std::lround((desktop.height() - outer.height()) / 2.0)));
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init() { navigator = std::make_unique<Navigator>(); }
    void cleanup()
    {
        navigator.reset();
        settle();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // The arithmetic of centring, in single-precision twips.
    void centredOffset_data()
    {
        QTest::addColumn<float>("desktop");
        QTest::addColumn<float>("outer");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<float>("expected");
        QTest::newRow("1024 wide") << 15360.f << 11595.f << true << 1882.5f;
        QTest::newRow("768 high") << 11520.f << 8025.f << true << 1747.5f;
        QTest::newRow("widened by 600") << 15360.f << 12195.f << true << 1582.5f;
        QTest::newRow("desktop smaller") << 9600.f << 11595.f << true << -997.5f;
        QTest::newRow("overflow") << FLT_MAX << -FLT_MAX << false << 0.f;
        QTest::newRow("invalid") << INFINITY << INFINITY << false << 0.f;
    }
    void centredOffset()
    {
        QFETCH(float, desktop);
        QFETCH(float, outer);
        QFETCH(bool, ok);
        QFETCH(float, expected);
        const auto result = ossarion::centredOffset(desktop, outer);
        QCOMPARE(result.has_value(), ok);
        if (ok)
            QCOMPARE(*result, expected);
    }

    // One row per go-to-screen and "Main menu" button of every screen.
    void everyMove_data()
    {
        QTest::addColumn<ScreenId>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<ScreenId>("to");
        QTest::addColumn<bool>("placed");
        int goTos = 0, mainMenus = 0;
        for (ScreenId id : allScreens()) {
            for (const ControlDesc &c : describe(id).controls) {
                if (c.kind != Kind::Button)
                    continue;
                const bool goTo = c.action.kind == ActionKind::GoTo;
                if (!goTo && c.action.kind != ActionKind::MainMenu)
                    continue;
                (goTo ? goTos : mainMenus)++;
                const QByteArray tag = QByteArray(describe(id).name.data()) + ' ' + c.name.data();
                QTest::newRow(tag) << id << qs(c.name) << (goTo ? c.action.target : ScreenId::Form1) << goTo;
            }
        }
        QCOMPARE(goTos, 66);
        QCOMPARE(mainMenus, 24);
    }

    // The screen left is hidden, dropped and destroyed; the target alone is on view,
    // a new instance, centred (the title screen centres itself).
    void everyMove()
    {
        QFETCH(ScreenId, from);
        QFETCH(QString, button);
        QFETCH(ScreenId, to);
        QWidget *start = open(from);
        const QSize outer = start->frameGeometry().size();
        QPointer<QWidget> left = start;
        click(start, button);
        QWidget *target = onlyScreenOnView();
        QVERIFY(target);
        QCOMPARE(target->objectName(), qs(describe(to).name));
        QVERIFY(target != start);
        QCOMPARE(target->frameGeometry().topLeft(), centredPoint(outer));
        QVERIFY(!start->isVisible());
        settle();
        QVERIFY(left.isNull()); // destroyed soon after the move
    }

    // Every main screen is reached from the title screen by buttons alone and leads back.
    void everyScreenReachable()
    {
        std::set<ScreenId> reached{ScreenId::Form1};
        std::vector<ScreenId> queue{ScreenId::Form1};
        while (!queue.empty()) {
            const ScreenId id = queue.back();
            queue.pop_back();
            for (const ControlDesc &c : describe(id).controls)
                if (c.kind == Kind::Button && c.action.kind == ActionKind::GoTo && reached.insert(c.action.target).second)
                    queue.push_back(c.action.target);
        }
        for (ScreenId id : allScreens()) {
            if (!isMainScreen(id))
                continue;
            QVERIFY2(reached.count(id), describe(id).name.data());
            if (id == ScreenId::Form1)
                continue;
            const auto &cs = describe(id).controls;
            QVERIFY2(std::any_of(cs.begin(), cs.end(), [](const ControlDesc &c) { return c.action.kind == ActionKind::MainMenu; }),
                     describe(id).name.data());
        }
    }

    // A → B → A shows a new A; what was typed in a test is gone on return.
    void returnShowsFreshScreen()
    {
        QWidget *arm = open(ScreenId::Form6);
        click(arm, QStringLiteral("Command2")); // "Arm test"
        QWidget *test = onlyScreenOnView();
        QVERIFY(test);
        auto *box = qobject_cast<QLineEdit *>(control(test, QStringLiteral("Text1")));
        const QColor untouched = box->palette().color(QPalette::Base);
        box->setText(QStringLiteral("Humerus"));
        click(test, QStringLiteral("Command2")); // Check
        QCOMPARE(box->palette().color(QPalette::Base), QColor(0, 255, 0));
        click(test, QStringLiteral("Command4")); // "Arm"
        settle();
        QWidget *armAgain = onlyScreenOnView();
        click(armAgain, QStringLiteral("Command2"));
        QWidget *again = onlyScreenOnView();
        QVERIFY(again);
        settle();
        auto *fresh = qobject_cast<QLineEdit *>(control(again, QStringLiteral("Text1")));
        QVERIFY(fresh->text().isEmpty());
        QCOMPARE(fresh->palette().color(QPalette::Base), untouched);
    }

    // Leaving a screen the user widened places the next one off centre by half the difference.
    void leavingResizedScreen()
    {
        QWidget *form2 = open(ScreenId::Form2);
        form2->resize(form2->width() + 40, form2->height());
        const QSize outer = form2->frameGeometry().size();
        click(form2, QStringLiteral("Command2"));
        QWidget *form3 = onlyScreenOnView();
        QVERIFY(form3);
        QCOMPARE(form3->frameGeometry().topLeft(), centredPoint(outer));
        // 20 pixels further left than a screen of the designed size would put it (give or
        // take the rounding of a half pixel).
        QVERIFY(qAbs(form3->frameGeometry().x() - (centredPoint(form3->frameGeometry().size()).x() - 20)) <= 1);
    }

    // The title screen centres itself on its first display and on every resize.
    void titleCentresItself()
    {
        navigator->start();
        QWidget *title = onlyScreenOnView();
        QVERIFY(title);
        QCOMPARE(title->objectName(), QStringLiteral("Form1"));
        QCOMPARE(title->frameGeometry().topLeft(), centredPoint(title->frameGeometry().size()));
        title->resize(title->width() + 60, title->height() - 20);
        QCOMPARE(title->frameGeometry().topLeft(), centredPoint(title->frameGeometry().size()));
        QVERIFY(title->isVisible());
        // Once the window system has placed it, a drag by the title bar is the user's choice.
        QTRY_VERIFY(!title->property("ossarionPlacing").toBool());
        title->move(0, 0);
        QCoreApplication::processEvents();
        QCOMPARE(title->pos(), QPoint(0, 0));
    }

    // "About" and "More details" open over the screen in use, once each; "OK" closes.
    void aboutScreens()
    {
        navigator->start();
        QWidget *title = onlyScreenOnView();
        const QPoint titleAt = title->pos();
        click(title, QStringLiteral("Command2"));
        QWidget *about = registry().peek(ScreenId::frmAbout);
        QVERIFY(about && about->isVisible());
        QVERIFY(title->isVisible());
        QCOMPARE(title->pos(), titleAt);
        QCOMPARE(about->frameGeometry().topLeft(), centredPoint(about->frameGeometry().size()));

        click(title, QStringLiteral("Command2")); // again: still the one About screen
        QCOMPARE(registry().peek(ScreenId::frmAbout), about);

        click(about, QStringLiteral("Command1"));
        QWidget *details = registry().peek(ScreenId::frmAbout1);
        QVERIFY(details && details->isVisible());
        QVERIFY(about->isVisible());
        QCOMPARE(details->windowTitle(), QStringLiteral("More details"));

        // Leaving the title screen leaves both open.
        click(title, QStringLiteral("Command1"));
        QCOMPARE(onlyScreenOnView()->objectName(), QStringLiteral("Form2"));
        QVERIFY(about->isVisible() && details->isVisible());

        QPointer<QWidget> closedAbout = about;
        click(about, QStringLiteral("cmdOK"));
        settle();
        QVERIFY(closedAbout.isNull());
        QVERIFY(details->isVisible());
        QVERIFY(!registry().peek(ScreenId::frmAbout));
    }

    // Enter and Escape press "OK" on both About screens.
    void aboutKeys_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("fromMoreDetails");
        QTest::newRow("about, Enter") << ScreenId::frmAbout << int(Qt::Key_Return) << false;
        QTest::newRow("about, Escape") << ScreenId::frmAbout << int(Qt::Key_Escape) << false;
        QTest::newRow("details, Enter") << ScreenId::frmAbout1 << int(Qt::Key_Enter) << false;
        QTest::newRow("details, Escape") << ScreenId::frmAbout1 << int(Qt::Key_Escape) << false;
        QTest::newRow("about, Escape on More details") << ScreenId::frmAbout << int(Qt::Key_Escape) << true;
    }
    void aboutKeys()
    {
        QFETCH(ScreenId, id);
        QFETCH(int, key);
        QFETCH(bool, fromMoreDetails);
        QWidget *w = open(id);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        if (fromMoreDetails)
            control(w, QStringLiteral("Command1"))->setFocus();
        QPointer<QWidget> guard = w;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        settle();
        QVERIFY(guard.isNull());
        QVERIFY(!registry().peek(id));
    }

    // Many moves later, nothing has piled up: one main screen, one window.
    void noGrowthWithNavigation()
    {
        navigator->start();
        for (int i = 0; i < 200; ++i) {
            QWidget *screen = onlyScreenOnView();
            QVERIFY(screen);
            // Title → hub → each region in turn → title again.
            const QString button = screen->objectName() == QLatin1String("Form2")
                                       ? QStringLiteral("Command%1").arg(2 + i % 8)
                                       : QStringLiteral("Command1");
            click(screen, button);
            settle();
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }
};

QTEST_MAIN(TestMoves)
#include "tst_moves.moc"
