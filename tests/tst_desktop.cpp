// SPDX-License-Identifier: GPL-3.0-or-later
// The screens on a real X display with a window manager: frames, centring by the outer
// size, activation and focus, and close requests that come from the window manager.
// Run by run-on-desktop.sh under a virtual display; skipped elsewhere.
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"

#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace testing;

namespace {

// Generous: the window manager shares a loaded machine with the tests.
constexpr int settleTime = 20000;

QPoint centredFor(QSize outer)
{
    const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
    return QPoint(int(std::lround((desktop.width() - outer.width()) / 2.0)),
                  int(std::lround((desktop.height() - outer.height()) / 2.0)));
}

// Asks the window manager to close a window, as its close box would.
bool windowManagerClose(const QString &title)
{
    return QProcess::execute(QStringLiteral("wmctrl"), {QStringLiteral("-F"), QStringLiteral("-c"), title}) == 0;
}

bool framed(QWidget *w)
{
    return w->frameGeometry().size() != w->size();
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display with a window manager");
        prepareApplication(*qApp);
    }
    void init() { navigator = std::make_unique<Navigator>(); }
    void cleanup()
    {
        navigator.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Centred by the outer size, frame and title bar included, once the frame is known;
    // the keyboard focus on the first control once the window is active.
    void titleScreenOnFirstDisplay()
    {
        navigator->start();
        QWidget *title = visibleMainScreens().value(0);
        QVERIFY(QTest::qWaitForWindowExposed(title));
        QTRY_VERIFY_WITH_TIMEOUT(framed(title), settleTime);
        QTRY_COMPARE_WITH_TIMEOUT(title->frameGeometry().topLeft(), centredFor(title->frameGeometry().size()), settleTime);
        QTRY_VERIFY_WITH_TIMEOUT(title->isActiveWindow(), settleTime);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    }

    // A move places the next screen by the outer size of the one left.
    void moveCentresWithFrame()
    {
        navigator->start();
        QWidget *title = visibleMainScreens().value(0);
        QTRY_VERIFY_WITH_TIMEOUT(framed(title), settleTime);
        QTRY_COMPARE_WITH_TIMEOUT(title->frameGeometry().topLeft(), centredFor(title->frameGeometry().size()), settleTime);
        const QSize outer = title->frameGeometry().size();
        qobject_cast<QPushButton *>(control(title, QStringLiteral("Command1")))->click();
        QWidget *form2 = visibleMainScreens().value(0);
        QCOMPARE(form2->objectName(), QStringLiteral("Form2"));
        QVERIFY(QTest::qWaitForWindowExposed(form2));
        QTRY_VERIFY_WITH_TIMEOUT(framed(form2), settleTime);
        QCOMPARE(form2->frameGeometry().size(), outer);
        QCOMPARE(form2->frameGeometry().topLeft(), centredFor(outer));
        QTRY_VERIFY_WITH_TIMEOUT(form2->isActiveWindow(), settleTime);
        qobject_cast<QPushButton *>(control(form2, QStringLiteral("Command3")))->click(); // "Anterior test"
        QWidget *form4 = visibleMainScreens().value(0);
        QVERIFY(QTest::qWaitForWindowActive(form4));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    }

    // Dragging the title screen's frame wider keeps it centred.
    void titleScreenResizedByUser()
    {
        navigator->start();
        QWidget *title = visibleMainScreens().value(0);
        QTRY_VERIFY_WITH_TIMEOUT(framed(title), settleTime);
        QTRY_VERIFY_WITH_TIMEOUT(!title->property("ossarionPlacing").toBool(), settleTime);
        QProcess::execute(QStringLiteral("wmctrl"),
                          {QStringLiteral("-F"), QStringLiteral("-r"), QStringLiteral("Ossarion"), QStringLiteral("-e"),
                           QStringLiteral("0,-1,-1,825,508")});
        QTRY_COMPARE_WITH_TIMEOUT(title->width(), 825, settleTime);
        QTRY_COMPARE_WITH_TIMEOUT(title->frameGeometry().topLeft(), centredFor(title->frameGeometry().size()), settleTime);
    }

    // The window manager's close request: the question, which neither Escape nor its own
    // close request answers; No keeps the screen; Yes ends.
    void closeFromWindowManager()
    {
        navigator->start();
        QWidget *title = visibleMainScreens().value(0);
        QVERIFY(QTest::qWaitForWindowExposed(title));
        QTRY_VERIFY_WITH_TIMEOUT(framed(title), settleTime);

        int asked = 0;
        bool survivedEscape = false, survivedClose = false;
        QTimer poll;
        poll.setInterval(20);
        int step = 0;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (step == 0) {
                ++asked;
                step = 1;
                windowManagerClose(QStringLiteral("Finished?"));
            } else if (step == 1) {
                survivedClose = true;
                step = 2;
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (step == 2) {
                survivedEscape = true;
                step = 3;
                box->button(QMessageBox::No)->click();
            }
        });
        poll.start();
        QVERIFY(windowManagerClose(QStringLiteral("Ossarion")));
        QTRY_COMPARE_WITH_TIMEOUT(step, 3, settleTime);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), settleTime);
        QCOMPARE(asked, 1);
        QVERIFY(survivedClose);
        QVERIFY(survivedEscape);
        QVERIFY(title->isVisible());
        QVERIFY(!navigator->hasEnded());

        // Yes, by Enter.
        step = 10;
        QObject::disconnect(&poll, nullptr, nullptr, nullptr);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->isVisible()) {
                poll.stop();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        QVERIFY(windowManagerClose(QStringLiteral("Ossarion")));
        QTRY_VERIFY_WITH_TIMEOUT(navigator->hasEnded(), settleTime);
    }

    // The About screen opens centred and active, and Enter closes it.
    void aboutOnDesktop()
    {
        navigator->start();
        QWidget *title = visibleMainScreens().value(0);
        QTRY_VERIFY_WITH_TIMEOUT(framed(title), settleTime);
        qobject_cast<QPushButton *>(control(title, QStringLiteral("Command2")))->click();
        QWidget *about = navigator->registry().peek(ScreenId::frmAbout);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTRY_VERIFY_WITH_TIMEOUT(framed(about), settleTime);
        QTRY_COMPARE_WITH_TIMEOUT(about->frameGeometry().topLeft(), centredFor(about->frameGeometry().size()), settleTime);
        QTRY_VERIFY_WITH_TIMEOUT(about->isActiveWindow(), settleTime);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!navigator->registry().peek(ScreenId::frmAbout), settleTime);
        QVERIFY(title->isVisible());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
