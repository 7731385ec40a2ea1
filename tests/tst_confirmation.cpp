// SPDX-License-Identifier: GPL-3.0-or-later
// "Are you sure?": asked on closing any main screen; Yes ends the program, No changes nothing.
#include "testing.h"

#include "app/confirmation.h"
#include "app/navigator.h"
#include "app/startup.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

namespace {

// Runs `answer` on the question as soon as it is up; counts the questions asked.
struct Answerer {
    int asked = 0;
    void answerNext(std::function<void(QMessageBox *)> answer)
    {
        QTimer::singleShot(0, qApp, [this, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++asked;
            answer(box);
        });
    }
};

void pressNo(QMessageBox *box)
{
    box->button(QMessageBox::No)->click();
}

} // namespace

class TestConfirmation : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;
    Answerer answerer;

    QWidget *open(ScreenId id)
    {
        QWidget *w = navigator->registry().take(id);
        w->show();
        return w;
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init()
    {
        navigator = std::make_unique<Navigator>();
        answerer = {};
    }
    void cleanup() { navigator.reset(); }

    void everyMainScreenAsks_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : allScreens())
            if (isMainScreen(id))
                QTest::newRow(describe(id).name.data()) << id;
    }

    // The question, its words and buttons; No refuses the close.
    void everyMainScreenAsks()
    {
        QFETCH(ScreenId, id);
        QWidget *screen = open(id);
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QList<QAbstractButton *> buttons;
        bool yesIsDefault = false, modal = false;
        answerer.answerNext([&](QMessageBox *box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->buttons();
            yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
            modal = box->windowModality() == Qt::ApplicationModal;
            pressNo(box);
        });
        QVERIFY(!screen->close());
        QCOMPARE(answerer.asked, 1);
        QCOMPARE(text, QStringLiteral("Are you sure?"));
        QCOMPARE(title, QStringLiteral("Finished?"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons.size(), 2);
        QVERIFY(yesIsDefault);
        QVERIFY(modal);
        QVERIFY(screen->isVisible());
        QCOMPARE(navigator->registry().peek(id), screen);
        QVERIFY(!navigator->hasEnded());
    }

    // Escape and the question's own close request leave it open; only Yes or No answer.
    void escapeDoesNotAnswer()
    {
        QWidget *screen = open(ScreenId::Form2);
        bool openAfterEscape = false, openAfterClose = false;
        answerer.answerNext([&](QMessageBox *box) {
            QTest::keyClick(box, Qt::Key_Escape);
            openAfterEscape = box->isVisible();
            box->close();
            openAfterClose = box->isVisible();
            pressNo(box);
        });
        QVERIFY(!screen->close());
        QVERIFY(openAfterEscape);
        QVERIFY(openAfterClose);
        QVERIFY(screen->isVisible());
        QVERIFY(!navigator->hasEnded());
    }

    // No on a test screen keeps the typed words and their colours.
    void noKeepsEverything()
    {
        QWidget *test = open(ScreenId::Form7);
        auto *box1 = qobject_cast<QLineEdit *>(control(test, QStringLiteral("Text1")));
        auto *box2 = qobject_cast<QLineEdit *>(control(test, QStringLiteral("Text2")));
        box1->setText(QStringLiteral("Humerus"));
        box2->setText(QStringLiteral("radius"));
        qobject_cast<QPushButton *>(control(test, QStringLiteral("Command2")))->click();
        answerer.answerNext(pressNo);
        QVERIFY(!test->close());
        QCOMPARE(box1->text(), QStringLiteral("Humerus"));
        QCOMPARE(box1->palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(box2->text(), QStringLiteral("radius"));
        QCOMPARE(box2->palette().color(QPalette::Base), QColor(255, 0, 0));
    }

    // Enter answers Yes: the event loop ends with status 0, once, whatever else is open,
    // and nothing of the program runs afterwards.
    void enterAnswersYesAndEnds()
    {
        navigator->start();
        QWidget *title = visibleMainScreens().value(0);
        QVERIFY(title);
        qobject_cast<QPushButton *>(control(title, QStringLiteral("Command2")))->click(); // About
        QPointer<QWidget> about = navigator->registry().peek(ScreenId::frmAbout);
        QVERIFY(about && about->isVisible());
        qobject_cast<QPushButton *>(control(title, QStringLiteral("Command1")))->click(); // to Form2
        QWidget *form2 = visibleMainScreens().value(0);
        QCOMPARE(form2->objectName(), QStringLiteral("Form2"));

        QEventLoop loop;
        QTimer::singleShot(0, form2, [form2] { form2->close(); });
        answerer.answerNext([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(42); });
        QCOMPARE(loop.exec(), 0);
        QCOMPARE(answerer.asked, 1);
        QVERIFY(navigator->hasEnded());

        // Ending: no further question, no further move.
        QVERIFY(!form2->close());
        QCOMPARE(answerer.asked, 1);
        qobject_cast<QPushButton *>(control(form2, QStringLiteral("Command2")))->click();
        QCOMPARE(visibleMainScreens().value(0), form2);
    }

    // Closing an About screen asks nothing and leaves the main screen as it was.
    void aboutClosesWithoutAsking()
    {
        QWidget *form1 = open(ScreenId::Form1);
        QPointer<QWidget> about = open(ScreenId::frmAbout);
        QPointer<QWidget> details = open(ScreenId::frmAbout1);
        answerer.answerNext(pressNo);
        QVERIFY(about->close());
        QVERIFY(details->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull() && details.isNull());
        QCOMPARE(answerer.asked, 0);
        QVERIFY(form1->isVisible());
        QCoreApplication::processEvents(); // let the unused answer run into nothing
    }
};

QTEST_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
