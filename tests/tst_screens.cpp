// SPDX-License-Identifier: GPL-3.0-or-later
// The screens as built: windows, controls, stacking, focus and Tab, fonts and colours.
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"
#include "assets/pixmaps.h"
#include "screens/builder.h"
#include "screens/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

class TestScreens : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;
    QWidget *build(ScreenId id) { return navigator->registry().take(id); }

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
    }
    void init() { navigator = std::make_unique<Navigator>(); }
    void cleanup() { navigator.reset(); }

    void window_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("caption");
        const char *captions[] = {
            "Ossarion",
            "Skeleton - Major features - Anterior view",
            "Skeleton - Major features - Posterior view",
            "Skeleton - Anterior view - test",
            "Skeleton - Posterior view - test",
            "Arm - Major features ",
            "Arm - Major features - test",
            "Wrist and hand - Major features",
            "Wrist and hand - Major features - test",
            "Leg - Major features",
            "Leg - Major features - test",
            "Ankle and foot - Major features",
            "Ankle and foot - Major features - test",
            "Pelvis - Major features",
            "Pelvis - Major features - test",
            "Skull - Major features",
            "Cranium - Major features",
            "Face - Major features",
            "Face - Major features - test",
            "Cranium - Major features - test",
            "Rib cage - Major features",
            "Rib cage - Major features - test",
            "Spine - Major features",
            "Spine - Major features - test",
            "Other bones",
            "About Ossarion Version 2.2 - May 03",
            "More details",
        };
        for (ScreenId id : allScreens())
            QTest::newRow(describe(id).name.data()) << id << QString::fromLatin1(captions[indexOf(id)]);
    }

    // Name, caption, size, frame and title-bar boxes, icon and background of every window.
    void window()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, caption);
        QWidget *w = build(id);
        QCOMPARE(w->objectName(), qs(describe(id).name));
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(!w->windowIcon().isNull());
        QVERIFY(!w->isVisible());
        if (isMainScreen(id)) {
            QCOMPARE(w->size(), QSize(765, 508));
            QVERIFY(w->maximumSize() != w->minimumSize()); // the user may resize it
            const bool boxes = id == ScreenId::Form2;
            QCOMPARE(bool(w->windowFlags() & Qt::WindowMaximizeButtonHint), boxes);
            QCOMPARE(bool(w->windowFlags() & Qt::WindowMinimizeButtonHint), boxes);
            QCOMPARE(w->palette().color(QPalette::Window), QColor(224, 224, 224));
        } else {
            QCOMPARE(w->size(), id == ScreenId::frmAbout ? QSize(382, 268) : QSize(382, 356));
            QCOMPARE(w->minimumSize(), w->maximumSize()); // fixed dialog frame
            QVERIFY(!(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
            QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 255));
        }
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    }

    void controls_data() { window_data(); }

    // Every described control and nothing else; each of its kind, inside the client area;
    // drawings exactly the size of their pictures.
    void controls()
    {
        QFETCH(ScreenId, id);
        QWidget *w = build(id);
        const ScreenDesc &desc = describe(id);
        QCOMPARE(w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), qsizetype(desc.controls.size()));
        for (const ControlDesc &c : desc.controls) {
            QWidget *widget = control(w, c);
            QVERIFY2(widget, c.name.data());
            QVERIFY2(w->rect().contains(widget->geometry()), c.name.data());
            switch (c.kind) {
            case Kind::Label: QVERIFY(qobject_cast<QLabel *>(widget)); break;
            case Kind::Button: QVERIFY(qobject_cast<QPushButton *>(widget)); break;
            case Kind::TextBox:
                QVERIFY(c.multiLine ? bool(qobject_cast<QTextEdit *>(widget)) : bool(qobject_cast<QLineEdit *>(widget)));
                break;
            case Kind::Picture: {
                const AssetInfo &asset = assetInfo(c.picture);
                const int frame = c.framed ? 2 : 0;
                QCOMPARE(widget->size(), QSize(asset.width + 2 * frame, asset.height + 2 * frame));
                QCOMPARE(assetPixmap(c.picture).deviceIndependentSize().toSize(), QSize(asset.width, asset.height));
                break;
            }
            case Kind::Line: break;
            }
            if (c.kind == Kind::Button || c.kind == Kind::TextBox || (c.kind == Kind::Picture && c.framed == false))
                QCOMPARE(widget->geometry(), QRect(toPixels(c.left), toPixels(c.top), toPixels(c.width), toPixels(c.height)));
        }
    }

    void labels_data() { window_data(); }

    // Labels in the font in use: close to their designed widths, and never running under a
    // control or past the window that they do not reach in the design.
    void labels()
    {
        QFETCH(ScreenId, id);
        QWidget *w = build(id);
        const ScreenDesc &desc = describe(id);
        for (const ControlDesc &c : desc.controls) {
            if (c.kind != Kind::Label || !c.autoSize || c.wordWrap)
                continue;
            // The About screens' captions are the program's own, not those the layout was made for.
            const bool designedCaption = isMainScreen(id);
            const QRect built = control(w, c)->geometry();
            const QRect designed(toPixels(c.left), toPixels(c.top), toPixels(c.width), toPixels(c.height));
            QVERIFY2(!designedCaption || qAbs(built.width() - designed.width()) <= 6,
                     qPrintable(QStringLiteral("%1: %2 px against %3").arg(qs(c.name)).arg(built.width()).arg(designed.width())));
            QVERIFY2(w->rect().contains(built), c.name.data());
            for (const ControlDesc &other : desc.controls) {
                if (other.kind == Kind::Label || other.kind == Kind::Line)
                    continue;
                const QRect o = control(w, other)->geometry();
                if (!designed.intersects(o))
                    QVERIFY2(!built.intersects(o), qPrintable(qs(c.name) + QLatin1String(" runs under ") + qs(other.name)));
            }
        }
    }

    void stacking_data() { window_data(); }

    // Where two controls overlap, the one listed first is on top; labels lie beneath all.
    void stacking()
    {
        QFETCH(ScreenId, id);
        QWidget *w = build(id);
        const ScreenDesc &desc = describe(id);
        int overlaps = 0;
        for (std::size_t i = 0; i < desc.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < desc.controls.size(); ++j) {
                const ControlDesc &a = desc.controls[i], &b = desc.controls[j];
                if (a.kind == Kind::Line || b.kind == Kind::Line)
                    continue;
                QWidget *wa = control(w, a), *wb = control(w, b);
                const QRect shared = wa->geometry() & wb->geometry();
                if (shared.isEmpty())
                    continue;
                ++overlaps;
                const bool aOnTop = a.kind != Kind::Label || b.kind == Kind::Label;
                QWidget *expected = aOnTop ? wa : wb;
                QCOMPARE(w->childAt(shared.center()), expected);
            }
        }
        // The screens whose design relies on the order.
        const std::vector<ScreenId> overlapping{ScreenId::Form1, ScreenId::Form4, ScreenId::Form5, ScreenId::Form13,
                                                ScreenId::Form15, ScreenId::Form18, ScreenId::Form19,
                                                ScreenId::frmAbout};
        if (std::find(overlapping.begin(), overlapping.end(), id) != overlapping.end())
            QVERIFY(overlaps > 0);
    }

    void tabCycle_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QStringList>("cycle");
        auto texts = [](int n) {
            QStringList l;
            for (int i = 1; i <= n; ++i)
                l << QStringLiteral("Text%1").arg(i);
            return l;
        };
        QTest::newRow("Form1") << ScreenId::Form1 << QStringList{"Command1", "Picture1", "Command2"};
        QTest::newRow("Form2") << ScreenId::Form2
                               << QStringList{"Command1", "Command2", "Command3", "Command4", "Command5",
                                              "Command6", "Command7", "Command8", "Command9"};
        QTest::newRow("Form3") << ScreenId::Form3 << QStringList{"Command1", "Command2", "Command3", "Command4"};
        QTest::newRow("Form4 never Check") << ScreenId::Form4 << texts(22);
        QTest::newRow("Form5") << ScreenId::Form5 << texts(5) + QStringList{"Command2"};
        QTest::newRow("Form6 drawing first") << ScreenId::Form6
                                             << QStringList{"Picture1", "Command1", "Command2", "Command3", "Command4"};
        QTest::newRow("Form7") << ScreenId::Form7 << texts(8) + QStringList{"Command2"};
        QTest::newRow("Form10 drawing first") << ScreenId::Form10
                                              << QStringList{"Picture1", "Command1", "Command2", "Command3", "Command4"};
        QTest::newRow("Form12") << ScreenId::Form12 << QStringList{"Command1", "Command4", "Command3", "Command2"};
        QTest::newRow("Form14") << ScreenId::Form14 << QStringList{"Command3", "Command2", "Command1"};
        QTest::newRow("Form15") << ScreenId::Form15 << texts(3) + QStringList{"Command2"};
        QTest::newRow("Form18 no stops") << ScreenId::Form18 << QStringList{};
        QTest::newRow("Form19") << ScreenId::Form19 << texts(8) + QStringList{"Command2"};
        QTest::newRow("Form21") << ScreenId::Form21 << QStringList{"Command3", "Command2", "Command1"};
        QTest::newRow("Form22") << ScreenId::Form22 << texts(5) + QStringList{"Command2"};
        QTest::newRow("Form23") << ScreenId::Form23 << QStringList{"Command3", "Command2", "Command1", "Command4"};
        QTest::newRow("Form24") << ScreenId::Form24 << texts(12) + QStringList{"Command2"};
        QTest::newRow("Form25") << ScreenId::Form25 << QStringList{"Command1", "Text3", "Command2"};
        QTest::newRow("frmAbout") << ScreenId::frmAbout << QStringList{"cmdOK", "picIcon", "Command1"};
        QTest::newRow("frmAbout1") << ScreenId::frmAbout1 << QStringList{"cmdOK", "picIcon"};
    }

    // The focus on opening, then Tab round the cycle and back to the start, and Shift+Tab
    // the other way.
    void tabCycle()
    {
        QFETCH(ScreenId, id);
        QFETCH(QStringList, cycle);
        QWidget *w = build(id);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (cycle.isEmpty()) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(!focus || focus == w);
            return;
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle.first());
        QStringList seen;
        for (int i = 0; i < cycle.size(); ++i) {
            seen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen, cycle);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle.first());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle.last());
    }

    // A control the Tab key skips still takes the focus when clicked.
    void clickFocus()
    {
        QWidget *w = build(ScreenId::Form25);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget *text1 = control(w, QStringLiteral("Text1"));
        QTest::mouseClick(static_cast<QTextEdit *>(text1)->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), text1);

        // On the posterior test, a box standing on the drawing takes the click.
        QWidget *form5 = build(ScreenId::Form5);
        form5->show();
        form5->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form5));
        QWidget *text1OnDrawing = control(form5, QStringLiteral("Text1"));
        QWidget *picture = control(form5, QStringLiteral("Picture1"));
        const QRect shared = text1OnDrawing->geometry() & picture->geometry();
        QVERIFY(!shared.isEmpty());
        QTest::mouseClick(form5, Qt::LeftButton, {}, shared.center());
        QCOMPARE(QApplication::focusWidget(), text1OnDrawing);
    }

    // A caption wider than its button breaks onto a second line.
    void buttonCaptionWraps_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("lines");
        QTest::newRow("two lines") << ScreenId::Form1 << "Command1" << 2;
        QTest::newRow("one line") << ScreenId::Form1 << "Command2" << 1;
        QTest::newRow("posterior, two lines") << ScreenId::Form23 << "Command3" << 2;
    }
    void buttonCaptionWraps()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, button);
        QFETCH(int, lines);
        QWidget *w = control(build(id), button);
        const QImage image = w->grab().toImage();
        // Count bands of rows holding dark text pixels.
        int bands = 0;
        bool inBand = false;
        for (int y = 4; y < image.height() - 4; ++y) {
            bool dark = false;
            for (int x = 4; x < image.width() - 4 && !dark; ++x)
                dark = qGray(image.pixel(x, y)) < 100;
            if (dark && !inBand)
                ++bands;
            inBand = dark;
        }
        QCOMPARE(bands, lines);
    }

    // Fonts, colours and the fixed texts of the view and About screens.
    void appearance()
    {
        QWidget *form14 = build(ScreenId::Form14);
        for (const char *heading : {"Label6", "Label7"})
            QCOMPARE(control(form14, QLatin1String(heading))->font().pixelSize(), headingFont().pixelSize());
        QCOMPARE(control(form14, QStringLiteral("Label1"))->font().pixelSize(), standardFont().pixelSize());

        QWidget *form6 = build(ScreenId::Form6);
        QCOMPARE(control(form6, QStringLiteral("Label1"))->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::WindowText));

        QWidget *about = build(ScreenId::frmAbout);
        QWidget *title = control(about, QStringLiteral("lblTitle"));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0, 0, 255));
        QWidget *disclaimer = control(about, QStringLiteral("lblDisclaimer"));
        QCOMPARE(disclaimer->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(disclaimer->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(control(about, QStringLiteral("Command1"))->palette().color(QPalette::Button), QColor(128, 128, 255));
        QCOMPARE(control(about, QStringLiteral("picIcon"))->size(), QSize(36, 36));
        // The etched separator: the grey line lies over the white one.
        const QImage shot = about->grab().toImage();
        QCOMPARE(QColor(shot.pixel(100, 184)), QColor(128, 128, 128));
        QCOMPARE(QColor(shot.pixel(100, 185)), QColor(255, 255, 255));

        // A wrapped label keeps its width and grows to five lines.
        QWidget *form25 = build(ScreenId::Form25);
        QWidget *label6 = control(form25, QStringLiteral("Label6"));
        QCOMPARE(label6->width(), 83);
        QLabel oneLine(QStringLiteral("Fontanelle"));
        oneLine.setFont(label6->font());
        QCOMPARE(label6->height(), 5 * oneLine.sizeHint().height());
        // The fixed texts keep their line breaks and cannot be edited.
        auto *text1 = static_cast<QTextEdit *>(control(form25, QStringLiteral("Text1")));
        QVERIFY(text1->isReadOnly());
        QCOMPARE(text1->toPlainText().split(QLatin1Char('\n')).first(), QStringLiteral("The only bone in the body "));
        QVERIFY(!text1->toPlainText().contains(QLatin1Char('\r')));
        QCOMPARE(text1->document()->blockCount(), 7); // six lines, each ending in a break
    }

    // The About texts fit their labels entirely, the first clear of "More details".
    void aboutTextsFit_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("label");
        QTest::newRow("about") << ScreenId::frmAbout << "lblDescription";
        QTest::newRow("disclaimer") << ScreenId::frmAbout << "lblDisclaimer";
        QTest::newRow("details") << ScreenId::frmAbout1 << "lblDescription";
    }
    void aboutTextsFit()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, label);
        QWidget *screen = build(id);
        auto *l = static_cast<QLabel *>(control(screen, label));
        QVERIFY(l->heightForWidth(l->width()) <= l->height());
        QWidget *more = control(screen, QStringLiteral("Command1"));
        if (!more || !more->geometry().intersects(l->geometry()))
            return;
        // Lay the text out as the label does and check that no line reaches under the button.
        QTextLayout layout(l->text(), l->font());
        layout.beginLayout();
        qreal y = 0;
        while (true) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(l->width());
            line.setPosition(QPointF(0, y));
            y += line.height();
            const QRect onScreen = QRectF(l->x() + line.x(), l->y() + line.y(), line.naturalTextWidth(), line.height())
                                       .toAlignedRect();
            QVERIFY2(!onScreen.intersects(more->geometry()), qPrintable(l->text().mid(line.textStart(), line.textLength())));
        }
        layout.endLayout();
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
