// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds: every control with a name that says what it is, answer
// boxes that say where they point without giving the answer away, the verdict of Check
// in words where the focus stays, and every change told once.
#include "testing.h"

#include "app/navigator.h"
#include "app/screentable.h"
#include "app/startup.h"
#include "quiz/answers.h"
#include "quiz/quizzes.h"
#include "screens/controls.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

namespace {

// Every event the toolkit hands to the accessibility bridge while a recording is on.
struct Recorded {
    QObject *object;
    QAccessible::Event type;
    QString value; // the name or description it announces
};
std::vector<Recorded> recorded;

void record(QAccessibleEvent *event)
{
    QString value;
    if (QAccessibleInterface *iface = event->accessibleInterface()) {
        if (event->type() == QAccessible::NameChanged)
            value = iface->text(QAccessible::Name);
        else if (event->type() == QAccessible::DescriptionChanged)
            value = iface->text(QAccessible::Description);
    }
    recorded.push_back({event->object(), event->type(), value});
}

int count(QObject *object, QAccessible::Event type)
{
    return int(std::count_if(recorded.begin(), recorded.end(),
                             [&](const Recorded &r) { return r.object == object && r.type == type; }));
}

QString description(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

// Whether a phrase gives away an accepted word: any of its words, or the stem of one (its
// first letters short of an ending of up to three, never fewer than three letters), found
// anywhere in the phrase in any case. "cran" of "cranium" catches "cranial".
bool givesAway(const QString &phrase, std::string_view accepted)
{
    const QString lowered = phrase.toLower();
    for (const QString &word : qs(accepted).split(QLatin1Char(' '))) {
        const QString stem = word.left(std::max<qsizetype>(3, word.size() - 3));
        if (lowered.contains(stem))
            return true;
    }
    return false;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;

    QPushButton *button(QWidget *screen, const char *name)
    {
        return qobject_cast<QPushButton *>(control(screen, QLatin1String(name)));
    }
    QLineEdit *box(QWidget *screen, int number)
    {
        return qobject_cast<QLineEdit *>(control(screen, QStringLiteral("Text%1").arg(number)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        // The toolkit hands out events only while a bridge to an accessibility bus is up,
        // which it finds in its own time. Run on such a bus, the program must find it.
        if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
            QVERIFY2(QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000),
                     "no bridge to the accessibility bus");
        QAccessible::installUpdateHandler(record);
    }
    void init()
    {
        recorded.clear();
        navigator = std::make_unique<Navigator>();
    }
    void cleanup() { navigator.reset(); }

    void everyControlNamed_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : allScreens())
            QTest::newRow(describe(id).name.data()) << id;
    }
    // Every control reachable from its window and named; a window says whether it is a
    // main window or a dialog; lines, which mean nothing without sight, are not there.
    void everyControlNamed()
    {
        QFETCH(ScreenId, id);
        QWidget *screen = navigator->registry().take(id);
        screen->show();
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(screen);
        QVERIFY(window);
        QCOMPARE(window->text(QAccessible::Name), screen->windowTitle());
        QCOMPARE(window->role(), isMainScreen(id) ? QAccessible::Window : QAccessible::Dialog);
        const auto &controls = describe(id).controls;
        const auto keys = answerKeysOf(id);
        int lines = 0;
        for (const ControlDesc &c : controls) {
            QWidget *w = control(screen, c);
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY(iface);
            if (c.kind == Kind::Line) {
                ++lines;
                QVERIFY2(window->indexOfChild(iface) < 0, c.name.data());
                continue;
            }
            const int index = window->indexOfChild(iface);
            QVERIFY2(index >= 0, c.name.data()); // reachable from the window
            QCOMPARE(window->child(index)->object(), w);
            const QString name = iface->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), c.name.data());
            if (c.kind == Kind::TextBox && !c.readOnly) {
                const int number = qs(c.name).mid(4).toInt();
                QCOMPARE(name, QStringLiteral("Answer %1 of %2, %3").arg(number).arg(keys.size())
                                   .arg(qs(keys[std::size_t(number - 1)].where)));
            }
            if (c.kind == Kind::Picture)
                QCOMPARE(name, qs(assetInfo(c.picture).shows));
            if (c.kind == Kind::Button || c.kind == Kind::Label)
                QCOMPARE(name.simplified(), qs(c.text).simplified());
        }
        QCOMPARE(window->childCount(), int(controls.size()) - lines);
    }

    void givesAway_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<bool>("gives");
        QTest::newRow("word") << "the Sternum, at the top" << "sternum" << true;
        QTest::newRow("adjective") << "the cranial vault" << "cranium" << true;
        QTest::newRow("other ending") << "the humeral head" << "humerus" << true;
        QTest::newRow("short word") << "the bone facing you" << "face" << true;
        QTest::newRow("second word") << "below the ribs" << "false ribs" << true;
        QTest::newRow("inside a word") << "the metacarpal of the thumb" << "carpals" << true;
        QTest::newRow("description") << "the roof of the mouth" << "palate" << false;
        QTest::newRow("near miss") << "the bone of the forehead" << "frontal" << false;
    }
    void givesAway()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, accepted);
        QFETCH(bool, gives);
        const QByteArray a = accepted.toLatin1();
        QCOMPARE(::givesAway(phrase, std::string_view(a.constData(), std::size_t(a.size()))), gives);
    }

    void whereGivesNothingAway_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        for (const quiz::Quiz &q : quiz::allQuizzes())
            for (const AnswerKey &k : q.keys)
                QTest::addRow("%s %s", q.screen.name.data(), k.box.data())
                    << qs(k.where) << qs(k.first) << qs(k.second);
    }
    // Where a box points may say anything but its answer.
    void whereGivesNothingAway()
    {
        QFETCH(QString, where);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QByteArray a = first.toLatin1(), b = second.toLatin1();
        QVERIFY2(!::givesAway(where, std::string_view(a.constData(), std::size_t(a.size()))), qPrintable(first));
        if (!second.isEmpty())
            QVERIFY2(!::givesAway(where, std::string_view(b.constData(), std::size_t(b.size()))), qPrintable(second));
    }

    // Two boxes with the same answer must still be told apart by where they point.
    void boxesToldApart()
    {
        for (const quiz::Quiz &q : quiz::allQuizzes()) {
            QSet<QString> seen;
            for (const AnswerKey &k : q.keys) {
                QVERIFY2(!seen.contains(qs(k.where)), k.box.data());
                seen.insert(qs(k.where));
            }
        }
    }

    void verdictSummary_data()
    {
        QTest::addColumn<QList<bool>>("accepted");
        QTest::addColumn<QString>("summary");
        QTest::newRow("all right") << QList<bool>{true, true, true} << "3 of 3 correct";
        QTest::newRow("all wrong") << QList<bool>{false, false, false} << "0 of 3 correct; wrong: 1, 2, 3";
        QTest::newRow("some") << QList<bool>{true, false, true, false, true, true, false, false}
                              << "4 of 8 correct; wrong: 2, 4, 7, 8";
        QList<bool> twelve(12, true);
        twelve[9] = false;
        QTest::newRow("past nine") << twelve << "11 of 12 correct; wrong: 10";
    }
    void verdictSummary()
    {
        QFETCH(QList<bool>, accepted);
        QFETCH(QString, summary);
        QCOMPARE(ossarion::verdictSummary(accepted), summary);
    }

    // After Check each box says "correct" or "not correct" and Check itself, where the
    // focus stays, gives the count, each time it is pressed; Reset takes it all away.
    void verdictAnnounced()
    {
        QWidget *screen = navigator->registry().take(ScreenId::Form7);
        screen->show();
        QPushButton *check = button(screen, "Command2");
        box(screen, 1)->setText(QStringLiteral("Humerus"));
        box(screen, 2)->setText(QStringLiteral("radius"));
        box(screen, 3)->setText(QStringLiteral("radius"));
        QVERIFY(description(box(screen, 1)).isEmpty());
        check->setFocus();
        recorded.clear();
        check->click();
        QCOMPARE(description(box(screen, 1)), QStringLiteral("correct"));
        QCOMPARE(description(box(screen, 2)), QStringLiteral("not correct"));
        QCOMPARE(description(box(screen, 3)), QStringLiteral("correct"));
        QCOMPARE(description(check), QStringLiteral("2 of 8 correct; wrong: 2, 4, 5, 6, 7, 8"));
        QCOMPARE(screen->focusWidget(), check);
        // Nothing of it is shown: no control more than the screen has, no tip.
        QCOMPARE(screen->findChildren<QWidget *>().size(), qsizetype(describe(ScreenId::Form7).controls.size()));
        QVERIFY(check->toolTip().isEmpty());

        box(screen, 2)->setText(QStringLiteral("ulna"));
        check->click();
        QCOMPARE(description(check), QStringLiteral("3 of 8 correct; wrong: 4, 5, 6, 7, 8"));
        QCOMPARE(description(box(screen, 2)), QStringLiteral("correct"));

        button(screen, "Command3")->click();
        QVERIFY(description(check).isEmpty());
        for (int k = 1; k <= 8; ++k)
            QVERIFY(description(box(screen, k)).isEmpty());
    }

    // The count reaches the bridge once per press, the same count again included; a box
    // whose verdict stays the same tells nothing new.
    void verdictEventsSent()
    {
        if (!QAccessible::isActive())
            QSKIP("no accessibility bus here");
        QWidget *screen = navigator->registry().take(ScreenId::Form7);
        screen->show();
        QPushButton *check = button(screen, "Command2");
        box(screen, 1)->setText(QStringLiteral("humerus"));
        recorded.clear();
        check->click();
        const QString summary = QStringLiteral("1 of 8 correct; wrong: 2, 3, 4, 5, 6, 7, 8");
        QCOMPARE(count(check, QAccessible::DescriptionChanged), 1);
        QCOMPARE(recorded.back().value, summary); // told after every box has its verdict
        QCOMPARE(count(box(screen, 1), QAccessible::DescriptionChanged), 1);

        recorded.clear();
        check->click();
        QCOMPARE(count(check, QAccessible::DescriptionChanged), 1);
        QCOMPARE(recorded.back().value, summary);
        QCOMPARE(count(box(screen, 1), QAccessible::DescriptionChanged), 0);

        recorded.clear();
        button(screen, "Command3")->click();
        QCOMPARE(count(check, QAccessible::DescriptionChanged), 1);
        recorded.clear();
        button(screen, "Command3")->click(); // nothing left to clear
        QCOMPARE(count(check, QAccessible::DescriptionChanged), 0);
    }

    // Nothing of a Check is kept once the screen is left.
    void verdictForgotten()
    {
        QWidget *screen = navigator->registry().take(ScreenId::Form7);
        screen->show();
        box(screen, 1)->setText(QStringLiteral("humerus"));
        button(screen, "Command2")->click();
        QVERIFY(!description(button(screen, "Command2")).isEmpty());
        button(screen, "Command4")->click(); // to the arm
        QWidget *arm = navigator->registry().peek(ScreenId::Form6);
        QVERIFY(arm && arm->isVisible());
        QWidget *again = navigator->registry().take(ScreenId::Form7);
        QVERIFY(description(button(again, "Command2")).isEmpty());
        QVERIFY(description(box(again, 1)).isEmpty());
    }

    void everyChangeToldOnce_data() { everyControlNamed_data(); }
    // Building and showing a screen tells each name and description once.
    void everyChangeToldOnce()
    {
        if (!QAccessible::isActive())
            QSKIP("no accessibility bus here");
        QFETCH(ScreenId, id);
        QWidget *screen = navigator->registry().take(id);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        QSet<std::pair<QObject *, int>> seen;
        for (const Recorded &r : recorded) {
            if (r.type != QAccessible::NameChanged && r.type != QAccessible::DescriptionChanged
                && r.type != QAccessible::ObjectShow)
                continue;
            const auto key = std::make_pair(r.object, int(r.type));
            QVERIFY2(!seen.contains(key), qPrintable(QStringLiteral("%1 %2 twice").arg(r.object->objectName()).arg(int(r.type), 0, 16)));
            seen.insert(key);
        }
        QVERIFY(!seen.isEmpty());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
