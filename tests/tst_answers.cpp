// SPDX-License-Identifier: GPL-3.0-or-later
// Check and Reset: the answer rule, the colours, and any input whatever.
#include "goldenmap.h"
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"
#include "quiz/answers.h"
#include "quiz/quizzes.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

namespace {

const QColor green(0, 255, 0);
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);

QLineEdit *box(QWidget *screen, int number)
{
    return qobject_cast<QLineEdit *>(control(screen, QStringLiteral("Text%1").arg(number)));
}

QColor colourOf(QLineEdit *b)
{
    return b->palette().color(QPalette::Base);
}

// Text of any kind: every plane of Unicode, lone surrogates, controls, line breaks.
QString randomText(QRandomGenerator &random, int maxLength)
{
    QString s;
    const int length = int(random.bounded(maxLength + 1));
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(6)) {
        case 0: s += QChar(char16_t(random.bounded(0x20, 0x7F))); break;           // ASCII
        case 1: s += QChar(char16_t(random.bounded(0x80, 0xD800))); break;         // BMP
        case 2: s += QChar(char16_t(random.bounded(0xD800, 0xE000))); break;       // lone surrogate
        case 3: s += QString::fromUcs4(std::array<char32_t, 1>{char32_t(random.bounded(0x10000, 0x110000))}.data(), 1); break;
        case 4: s += QLatin1String(random.bounded(2) ? "\r\n" : "\n"); break;
        default: s += QChar(char16_t(random.bounded(0, 0x20))); break;            // controls
        }
    }
    return s;
}

// The word with each letter in upper or lower case at random.
QString anyCapitals(QRandomGenerator &random, const QString &word)
{
    QString s = word;
    for (QChar &c : s)
        if (random.bounded(2))
            c = c.toUpper();
    return s;
}

} // namespace

class TestAnswers : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;

    QWidget *open(ScreenId id)
    {
        QWidget *w = navigator->registry().take(id);
        w->show();
        return w;
    }
    void press(QWidget *screen, const char *button)
    {
        qobject_cast<QPushButton *>(control(screen, QLatin1String(button)))->click();
    }

private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init() { navigator = std::make_unique<Navigator>(); }
    void cleanup() { navigator.reset(); }

    // The rule, on real boxes of real screens: typed text, box, expected verdict.
    void rule_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        auto row = [](const char *tag, ScreenId id, int number, const char *typed, bool accepted) {
            QTest::newRow(tag) << id << number << QString::fromUtf8(typed) << accepted;
        };
        // Form11 Text1 is the femur.
        row("exact", ScreenId::Form11, 1, "femur", true);
        row("capital", ScreenId::Form11, 1, "Femur", true);
        row("upper case", ScreenId::Form11, 1, "FEMUR", true);
        row("mixed case", ScreenId::Form11, 1, "fEmUr", true);
        row("trailing space", ScreenId::Form11, 1, "femur ", false);
        row("leading space", ScreenId::Form11, 1, " femur", false);
        row("inner space", ScreenId::Form11, 1, "fe mur", false);
        row("empty", ScreenId::Form11, 1, "", false);
        row("another bone", ScreenId::Form11, 1, "tibia", false);
        row("tab", ScreenId::Form11, 1, "femur\t", false);
        row("accented", ScreenId::Form11, 1, "fémur", false);
        // Singular and plural are different words.
        row("carpal", ScreenId::Form9, 1, "carpal", false);
        row("carpals", ScreenId::Form9, 1, "Carpals", true);
        row("phalanx", ScreenId::Form9, 3, "phalanx", false);
        // The hint labels of the anterior test complete the name; the box takes only its word.
        row("cervical", ScreenId::Form4, 3, "cervical", true);
        row("cervical vertebrae", ScreenId::Form4, 3, "cervical vertebrae", false);
        row("costal", ScreenId::Form4, 7, "costal", true);
        row("costal cartilage on the skeleton", ScreenId::Form4, 7, "costal cartilage", false);
        row("rib", ScreenId::Form4, 21, "rib", true);
        row("rib cage", ScreenId::Form4, 21, "rib cage", false);
        row("ribs", ScreenId::Form4, 21, "ribs", false);
        // The keys keep their own spelling.
        row("lumber", ScreenId::Form5, 2, "lumber", true);
        row("lumbar", ScreenId::Form5, 2, "lumbar", false);
        row("dorsal vertebrae", ScreenId::Form5, 1, "dorsal vertebrae", false);
        row("lachrymal", ScreenId::Form19, 1, "Lachrymal", true);
        row("lacrimal", ScreenId::Form19, 1, "lacrimal", false);
        // Two-word keys need exactly one space.
        row("superior maxillary", ScreenId::Form19, 5, "Superior Maxillary", true);
        row("two spaces", ScreenId::Form19, 5, "superior  maxillary", false);
        row("no space", ScreenId::Form19, 5, "superiormaxillary", false);
        row("maxillary alone", ScreenId::Form19, 5, "maxillary", false);
        row("superior alone", ScreenId::Form19, 5, "superior", false);
        row("inferior maxillary", ScreenId::Form19, 6, "inferior maxillary", true);
        // The rib cage's boxes take a short or a full name.
        row("true", ScreenId::Form22, 2, "true", true);
        row("TRUE", ScreenId::Form22, 2, "TRUE", true);
        row("true ribs", ScreenId::Form22, 2, "True Ribs", true);
        row("true rib", ScreenId::Form22, 2, "true rib", false);
        row("ribs", ScreenId::Form22, 2, "ribs", false);
        row("true ribs, trailing space", ScreenId::Form22, 2, "true ribs ", false);
        row("true ribs 1 to 7", ScreenId::Form22, 2, "true ribs 1 2 3 4 5 6 7", false);
        row("cartilage", ScreenId::Form22, 3, "cartilage", true);
        row("costal cartilage", ScreenId::Form22, 3, "costal cartilage", true);
        row("false ribs", ScreenId::Form22, 4, "false ribs", true);
        row("floating", ScreenId::Form22, 5, "floating", true);
        row("floating rib", ScreenId::Form22, 5, "floating rib", false);
        row("sternum only", ScreenId::Form22, 1, "sternum", true);
        // The pelvis test takes the names the pelvis screen shows.
        row("innominatum", ScreenId::Form15, 3, "innominatum", true);
        row("innominate", ScreenId::Form15, 3, "innominate", false);
        row("hip bone", ScreenId::Form15, 3, "hip bone", false);
        row("sacral for the sacrum", ScreenId::Form15, 2, "sacral", false);
        row("sacrum", ScreenId::Form15, 2, "sacrum", true);
        row("atlas", ScreenId::Form24, 11, "atlas", true);
        row("atlas is not the axis", ScreenId::Form24, 10, "atlas", false);
        row("cervical - 7", ScreenId::Form24, 1, "cervical - 7", false);
    }
    void rule()
    {
        QFETCH(ScreenId, id);
        QFETCH(int, number);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QWidget *screen = open(id);
        QLineEdit *b = box(screen, number);
        b->setText(typed);
        press(screen, "Command2");
        QCOMPARE(colourOf(b), accepted ? green : red);
        QCOMPARE(b->text(), typed); // Check never changes the text
    }

    // Boxes sharing a key are judged apart: one right answer turns one box green.
    void sharedKeysJudgedApart_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<int>("typedInto");
        QTest::addColumn<int>("sameKey");
        QTest::addColumn<QString>("word");
        QTest::newRow("hand and foot phalanges") << ScreenId::Form4 << 12 << 19 << "phalanges";
        QTest::newRow("cervical twice") << ScreenId::Form24 << 1 << 12 << "cervical";
        QTest::newRow("lumber twice") << ScreenId::Form24 << 8 << 3 << "lumber";
    }
    void sharedKeysJudgedApart()
    {
        QFETCH(ScreenId, id);
        QFETCH(int, typedInto);
        QFETCH(int, sameKey);
        QFETCH(QString, word);
        QWidget *screen = open(id);
        box(screen, typedInto)->setText(word);
        press(screen, "Command2");
        QCOMPARE(colourOf(box(screen, typedInto)), green);
        QCOMPARE(colourOf(box(screen, sameKey)), red);
        box(screen, sameKey)->setText(word);
        press(screen, "Command2");
        QCOMPARE(colourOf(box(screen, sameKey)), green);
    }

    void everyTest_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (const quiz::Quiz &q : quiz::allQuizzes())
            QTest::newRow(q.screen.name.data()) << q.screen.id;
    }

    // On every test: fresh boxes; every right answer green; Check on nothing all red;
    // an edit keeps its colour until the next Check; Reset empties and whitens; Check
    // after Reset all red; two Checks agree.
    void everyTest()
    {
        QFETCH(ScreenId, id);
        QWidget *screen = open(id);
        const auto keys = answerKeysOf(id);
        QVERIFY(!keys.empty());
        // The right answers as the reviewed screen map has them.
        const golden::Screen *expected = golden::screen(qs(describe(id).name));
        QVERIFY2(expected, "the screen map has no such screen");
        QCOMPARE(expected->accepts.size(), keys.size());
        const QColor untouched = QApplication::palette().color(QPalette::Base);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            QLineEdit *b = box(screen, int(k) + 1);
            QVERIFY(b->text().isEmpty());
            QCOMPARE(colourOf(b), untouched);
            QCOMPARE(b->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        }
        press(screen, "Command2");
        for (std::size_t k = 0; k < keys.size(); ++k)
            QCOMPARE(colourOf(box(screen, int(k) + 1)), red);

        // Every accepted word of every box, in capitals: the first words, then the second ones.
        for (const int word : {0, 1}) {
            for (std::size_t k = 0; k < keys.size(); ++k) {
                const QStringList &right = expected->accepts.at(int(k) + 1);
                box(screen, int(k) + 1)->setText(right.value(std::min<int>(word, int(right.size()) - 1)).toUpper());
            }
            press(screen, "Command2");
            press(screen, "Command2");
            for (std::size_t k = 0; k < keys.size(); ++k)
                QCOMPARE(colourOf(box(screen, int(k) + 1)), green);
        }

        QLineEdit *first = box(screen, 1);
        first->setText(QStringLiteral("wrong now"));
        QCOMPARE(colourOf(first), green); // until the next Check
        press(screen, "Command2");
        QCOMPARE(colourOf(first), red);

        press(screen, "Command3");
        for (std::size_t k = 0; k < keys.size(); ++k) {
            QVERIFY(box(screen, int(k) + 1)->text().isEmpty());
            QCOMPARE(colourOf(box(screen, int(k) + 1)), white);
        }
        press(screen, "Command2");
        for (std::size_t k = 0; k < keys.size(); ++k)
            QCOMPARE(colourOf(box(screen, int(k) + 1)), red);
    }

    // Enter in a box, typing and leaving it judge nothing.
    void typingJudgesNothing()
    {
        QWidget *screen = open(ScreenId::Form7);
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QLineEdit *b = box(screen, 1);
        const QColor untouched = colourOf(b);
        QTest::keyClicks(b, QStringLiteral("humerus"));
        QTest::keyClick(b, Qt::Key_Return);
        QTest::keyClick(b, Qt::Key_Tab);
        QCOMPARE(b->text(), QStringLiteral("humerus"));
        QCOMPARE(colourOf(b), untouched);
        QCOMPARE(QApplication::focusWidget(), box(screen, 2));
    }

    // Whatever is typed or pasted ends green or red, exactly as it stands, and nothing else
    // on the screen changes. Now and then a box is given one of its right answers in any
    // mix of capitals; which answers are right comes from the reviewed screen map, so a
    // box is green exactly when the map says that it accepts what it holds.
    void anyInput_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u})
            QTest::newRow(QByteArray::number(seed)) << seed;
    }
    void anyInput()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const auto quizzes = quiz::allQuizzes();
        // Every test at least once over the seeds, then any.
        const quiz::Quiz &q = quizzes[seed <= quizzes.size() ? seed - 1 : random.bounded(quint32(quizzes.size()))];
        const golden::Screen *expected = golden::screen(qs(q.screen.name));
        QVERIFY2(expected, "the screen map has no such screen");
        QWidget *screen = open(q.screen.id);
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        const int boxes = int(screen->findChildren<QLineEdit *>().size());
        QCOMPARE(std::size_t(boxes), expected->accepts.size());
        const QList<QWidget *> before = screen->findChildren<QWidget *>();
        int greens = 0;
        for (int round = 0; round < 20; ++round) {
            QStringList typed;
            for (int k = 1; k <= boxes; ++k) {
                QLineEdit *b = box(screen, k);
                const QStringList right = expected->accepts.at(k);
                QString text = random.bounded(3) ? randomText(random, round % 5 == 4 ? 5000 : 40)
                                                 : anyCapitals(random, right[random.bounded(int(right.size()))]);
                if (random.bounded(2)) {
                    b->setText(text);
                } else { // paste, as a user would
                    b->clear();
                    b->setFocus();
                    QGuiApplication::clipboard()->setText(text);
                    b->paste();
                }
                typed << b->text();
            }
            const bool checking = random.bounded(4) != 0;
            press(screen, checking ? "Command2" : "Command3");
            for (int k = 1; k <= boxes; ++k) {
                QLineEdit *b = box(screen, k);
                const QColor c = colourOf(b);
                if (!checking) {
                    QVERIFY(b->text().isEmpty());
                    QCOMPARE(c, white);
                    continue;
                }
                QCOMPARE(b->text(), typed[k - 1]);
                const bool right = golden::accepts(*expected, k, b->text());
                QVERIFY2(c == (right ? green : red),
                         qPrintable(QStringLiteral("Text%1 holding \"%2\" is %3").arg(k).arg(b->text().left(60), c.name())));
                greens += right;
            }
        }
        QVERIFY(greens > 0); // right answers were judged, not only wrong ones
        QCOMPARE(screen->findChildren<QWidget *>(), before);
        QVERIFY(screen->isVisible());
    }
};

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
