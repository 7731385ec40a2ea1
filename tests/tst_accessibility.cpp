// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds: every control with a name that says what it is, and the
// verdict of Check in words.
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;

private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init() { navigator = std::make_unique<Navigator>(); }
    void cleanup() { navigator.reset(); }

    void everyControlNamed_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : allScreens())
            QTest::newRow(describe(id).name.data()) << id;
    }
    void everyControlNamed()
    {
        QFETCH(ScreenId, id);
        QWidget *screen = navigator->registry().take(id);
        screen->show();
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(screen);
        QVERIFY(window);
        QCOMPARE(window->text(QAccessible::Name), screen->windowTitle());
        const auto &controls = describe(id).controls;
        int boxes = 0;
        for (const ControlDesc &c : controls)
            boxes += c.kind == Kind::TextBox && !c.readOnly;
        for (const ControlDesc &c : controls) {
            QWidget *w = control(screen, c);
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY(iface);
            QVERIFY2(window->indexOfChild(iface) >= 0, c.name.data()); // reachable from the window
            const QString name = iface->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), c.name.data());
            if (c.kind == Kind::TextBox && !c.readOnly)
                QCOMPARE(name, QStringLiteral("Answer %1 of %2").arg(qs(c.name).mid(4)).arg(boxes));
            if (c.kind == Kind::Picture)
                QCOMPARE(name, qs(assetInfo(c.picture).shows));
            if (c.kind == Kind::Button || c.kind == Kind::Label)
                QCOMPARE(name.simplified(), qs(c.text).simplified());
        }
    }

    // After Check each box says "correct" or "not correct"; Reset takes the verdict away.
    void verdictInWords()
    {
        QWidget *screen = navigator->registry().take(ScreenId::Form7);
        screen->show();
        auto *humerus = qobject_cast<QLineEdit *>(control(screen, QStringLiteral("Text1")));
        auto *ulna = qobject_cast<QLineEdit *>(control(screen, QStringLiteral("Text2")));
        humerus->setText(QStringLiteral("Humerus"));
        ulna->setText(QStringLiteral("radius"));
        auto description = [](QWidget *w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
        };
        QVERIFY(description(humerus).isEmpty());
        qobject_cast<QPushButton *>(control(screen, QStringLiteral("Command2")))->click();
        QCOMPARE(description(humerus), QStringLiteral("correct"));
        QCOMPARE(description(ulna), QStringLiteral("not correct"));
        qobject_cast<QPushButton *>(control(screen, QStringLiteral("Command3")))->click();
        QVERIFY(description(humerus).isEmpty());
        QVERIFY(description(ulna).isEmpty());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
