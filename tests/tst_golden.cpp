// SPDX-License-Identifier: GPL-3.0-or-later
// Golden screens: every screen as the program draws it, and a checked test, compared pixel
// for pixel with the reviewed pictures in tests/golden/; and the screen map, a text written
// from the built windows alone (captions, frames, every control with its rectangle, text,
// Tab stop and place in the Tab cycle, where every button leads, what every answer box
// accepts), compared line for line with tests/golden/screens.txt.
//
// `make golden` runs this program with OSSARION_WRITE_GOLDEN=1, which rewrites the goldens
// instead of comparing: a change to what a screen shows then appears in review as a changed
// picture and a readable diff. On a difference the test writes the actual picture, a
// difference picture and the actual map into golden-actual/ beside the build and names them.
//
// No tolerance: every pixel must match. The pictures depend only on what is fixed here
// (headless platform at 96 dpi and a device pixel ratio of 1, the program's own style and
// palette, a font configuration of its own that offers the Liberation fonts and nothing else
// and sets how they are smoothed and hinted) and on Debian's packages, which CI shares.
#include "goldenmap.h"
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"
#include "assets/pixmaps.h"
#include "quiz/quizzes.h"
#include "screens/fonts.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>

using namespace testing;

namespace {

constexpr int skipped = 77; // what ctest is told for "could not run here"

bool writing() { return qEnvironmentVariableIntValue("OSSARION_WRITE_GOLDEN") == 1; }

QString actualDirectory() { return QDir::current().absoluteFilePath(QStringLiteral("golden-actual")); }

// ---- The pictures ----

// The screen shown as the program shows it, and drawn.
QImage render(QWidget *screen)
{
    screen->show();
    QApplication::processEvents();
    return screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A test as a pupil leaves it: some answers right, one misspelt, one in capitals, one not
// given, then checked.
QImage renderCheckedTest(Navigator &navigator)
{
    QWidget *test = navigator.registry().take(ScreenId::Form7);
    const char *typed[] = {"Humerus", "ulna", "RADIUS", "carpels", "metacarpals", "", "clavicle", "scapula "};
    for (int k = 0; k < 8; ++k)
        qobject_cast<QLineEdit *>(control(test, QStringLiteral("Text%1").arg(k + 1)))->setText(QLatin1String(typed[k]));
    test->show();
    qobject_cast<QPushButton *>(control(test, QStringLiteral("Command2")))->click();
    return render(test);
}

// Smallest PNG the writer makes: a palette where the picture has few enough colours.
bool savePicture(const QImage &image, const QString &file)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() <= 256; ++y)
        for (int x = 0; x < image.width() && colours.size() <= 256; ++x)
            colours.insert(image.pixel(x, y));
    if (colours.size() <= 256) {
        QList<QRgb> table(colours.begin(), colours.end());
        std::sort(table.begin(), table.end());
        return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither).save(file, "PNG", 0);
    }
    return image.save(file, "PNG", 0);
}

// Black where the pictures agree, the actual pixel in full where they differ.
QImage difference(const QImage &expected, const QImage &actual, int &count, QRect &where)
{
    const QSize size = expected.size().expandedTo(actual.size());
    QImage diff(size, QImage::Format_RGB32);
    diff.fill(Qt::black);
    count = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool inE = expected.rect().contains(x, y), inA = actual.rect().contains(x, y);
            if (inE && inA && expected.pixel(x, y) == actual.pixel(x, y))
                continue;
            ++count;
            where |= QRect(x, y, 1, 1);
            diff.setPixel(x, y, inA ? actual.pixel(x, y) : qRgb(255, 0, 255));
        }
    return diff;
}

// ---- The map ----

QString quoted(const QString &s)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString nameOf(const QWidget *w)
{
    const QVariant index = w->property("index");
    return index.isValid() ? QStringLiteral("%1(%2)").arg(w->objectName()).arg(index.toInt()) : w->objectName();
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString colourText(const QColor &c) { return c.name(); }

QString alignmentText(Qt::Alignment a)
{
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    if (a & Qt::AlignHCenter)
        return QStringLiteral("centred");
    return QStringLiteral("left");
}

// The drawing a picture box shows, by the name of the picture it is pixel for pixel.
QString pictureName(const QLabel *box)
{
    const QImage shown = box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    for (const AssetInfo &info : assetTable)
        if (assetPixmap(info.asset).toImage().convertToFormat(QImage::Format_RGB32) == shown)
            return qs(info.file);
    return QStringLiteral("(a picture of none of the drawings)");
}

// The Tab cycle as the keyboard finds it: from the focus on opening, Tab until it comes back.
QStringList tabCycle(QWidget *screen)
{
    screen->show();
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen))
        return {QStringLiteral("(window never active)")};
    QWidget *first = QApplication::focusWidget();
    if (!first || first == screen)
        return {};
    QStringList cycle;
    QWidget *at = first;
    do {
        cycle << nameOf(at);
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    } while (at && at != first && cycle.size() < 200);
    return cycle;
}

// Words a pupil might type: every word and run of up to four words of every caption and
// text on every screen, and every word any box of any test accepts; lower case.
QStringList candidateWords(Navigator &navigator)
{
    QSet<QString> words;
    static const QRegularExpression separators(QStringLiteral("[^a-z]+"));
    const auto addRuns = [&](const QString &text) {
        const QStringList parts = text.toLower().split(separators, Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < parts.size(); ++i)
            for (qsizetype n = 1; n <= 4 && i + n <= parts.size(); ++n)
                words.insert(parts.mid(i, n).join(QLatin1Char(' ')));
    };
    for (ScreenId id : allScreens()) {
        QWidget *screen = navigator.registry().take(id);
        for (QWidget *w : screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (auto *l = qobject_cast<QLabel *>(w))
                addRuns(l->text());
            else if (auto *b = qobject_cast<QPushButton *>(w))
                addRuns(b->text());
            else if (auto *t = qobject_cast<QTextEdit *>(w))
                addRuns(t->toPlainText());
        }
        addRuns(screen->windowTitle());
        navigator.registry().drop(id);
    }
    for (const quiz::Quiz &q : quiz::allQuizzes())
        for (const AnswerKey &k : q.keys)
            for (const std::string_view w : {k.first, k.second})
                if (!w.empty())
                    words.insert(qs(w));
    QStringList list(words.begin(), words.end());
    list.sort();
    return list;
}

const QColor green(0, 255, 0);

// For each answer box of a test screen, the candidates that Check paints green.
std::map<QString, QStringList> acceptedWords(ScreenId id, const QStringList &candidates)
{
    Navigator navigator;
    QWidget *screen = navigator.registry().take(id);
    const auto boxes = screen->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly);
    auto *check = qobject_cast<QPushButton *>(control(screen, QStringLiteral("Command2")));
    std::map<QString, QStringList> accepted;
    if (!check)
        return accepted;
    for (const QString &word : candidates) {
        for (QLineEdit *b : boxes)
            b->setText(word);
        check->click();
        for (QLineEdit *b : boxes)
            if (b->palette().color(QPalette::Base) == green)
                accepted[nameOf(b)] << word;
    }
    return accepted;
}

// The windows on view, by name.
QStringList windowsOnView()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty())
            names << w->objectName();
    names.sort();
    return names;
}

QString captionOfWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w->windowTitle();
    return {};
}

// What a click on the button does, found on a fresh program showing the screen alone.
QString whatButtonDoes(ScreenId id, const QString &buttonName, int index)
{
    Navigator navigator;
    QWidget *screen = navigator.registry().take(id);
    screen->show();
    const auto boxes = screen->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly);
    for (QLineEdit *b : boxes)
        b->setText(QStringLiteral("x"));
    const QStringList before = windowsOnView();
    auto *button = qobject_cast<QPushButton *>(control(screen, buttonName, index));
    QTest::mouseClick(button, Qt::LeftButton);
    const QStringList after = windowsOnView();
    const QString self = screen->objectName();
    QStringList opened, closed;
    for (const QString &n : after)
        if (!before.contains(n))
            opened << n;
    for (const QString &n : before)
        if (!after.contains(n))
            closed << n;
    if (closed == QStringList{self} && opened.size() == 1)
        return QStringLiteral("goes to %1 %2").arg(opened[0], quoted(captionOfWindow(opened[0])));
    if (closed.isEmpty() && opened.size() == 1)
        return QStringLiteral("opens over it %1 %2").arg(opened[0], quoted(captionOfWindow(opened[0])));
    if (closed == QStringList{self} && opened.isEmpty())
        return QStringLiteral("closes its window");
    if (!opened.isEmpty() || !closed.isEmpty())
        return QStringLiteral("opens %1, closes %2").arg(opened.join(QLatin1Char(' ')), closed.join(QLatin1Char(' ')));
    if (boxes.isEmpty())
        return QStringLiteral("does nothing to be seen");
    const auto all = [&](auto pred) { return std::all_of(boxes.begin(), boxes.end(), pred); };
    if (all([](QLineEdit *b) { return b->text() == QLatin1String("x") && b->palette().color(QPalette::Base) == QColor(255, 0, 0); }))
        return QStringLiteral("checks the answers");
    if (all([](QLineEdit *b) { return b->text().isEmpty() && b->palette().color(QPalette::Base) == QColor(Qt::white); }))
        return QStringLiteral("clears the answers");
    return QStringLiteral("changes the answer boxes some other way");
}

QString frameText(const QWidget *w)
{
    const Qt::WindowFlags f = w->windowFlags();
    QStringList parts;
    parts << QStringLiteral("%1x%2").arg(w->width()).arg(w->height());
    parts << (w->minimumSize() == w->maximumSize() ? QStringLiteral("fixed") : QStringLiteral("sizable"));
    parts << ((f & Qt::WindowType_Mask) == Qt::Dialog ? QStringLiteral("dialog") : QStringLiteral("window"));
    QStringList boxes;
    if (f & Qt::WindowMinimizeButtonHint)
        boxes << QStringLiteral("minimise");
    if (f & Qt::WindowMaximizeButtonHint)
        boxes << QStringLiteral("maximise");
    if (f & Qt::WindowCloseButtonHint)
        boxes << QStringLiteral("close");
    parts << QStringLiteral("boxes: %1").arg(boxes.isEmpty() ? QStringLiteral("none") : boxes.join(QLatin1Char(' ')));
    parts << QStringLiteral("icon %1").arg(w->windowIcon().isNull() ? QStringLiteral("none") : QStringLiteral("yes"));
    parts << QStringLiteral("back %1").arg(colourText(w->palette().color(QPalette::Window)));
    return parts.join(QLatin1String(", "));
}

QString tabText(const QWidget *w, const QStringList &cycle)
{
    const qsizetype at = cycle.indexOf(nameOf(w));
    if (at >= 0)
        return QStringLiteral("tab %1").arg(at + 1);
    return (w->focusPolicy() & Qt::TabFocus) ? QStringLiteral("tab stop, not in the cycle") : QStringLiteral("no tab stop");
}

QString describeScreen(ScreenId id, const QStringList &candidates)
{
    Navigator navigator;
    QWidget *screen = navigator.registry().take(id);
    const std::map<QString, QStringList> accepted = acceptedWords(id, candidates);
    const QStringList cycle = tabCycle(screen);
    screen->hide(); // the clicks below are made on fresh instances, each alone on view

    QStringList out;
    out << QStringLiteral("%1 %2").arg(screen->objectName(), quoted(screen->windowTitle()));
    out << QStringLiteral("  window %1").arg(frameText(screen));
    out << QStringLiteral("  Tab cycle: %1").arg(cycle.isEmpty() ? QStringLiteral("(none)") : cycle.join(QLatin1Char(' ')));
    // Topmost first: the later a child, the higher it lies.
    QList<QWidget *> children = screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    std::reverse(children.begin(), children.end());
    for (QWidget *w : children) {
        const QString head = QStringLiteral("  %1 %2 %3");
        const QString rect = rectText(w->geometry());
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            QString flags;
            if (b->isDefault())
                flags += QStringLiteral("; default");
            const QColor face = b->palette().color(QPalette::Button);
            if (b->autoFillBackground())
                flags += QStringLiteral("; face %1").arg(colourText(face));
            out << head.arg(QStringLiteral("button"), nameOf(w), rect) + QStringLiteral(" %1; %2%3; %4").arg(
                       quoted(b->text()), tabText(w, cycle), flags,
                       whatButtonDoes(id, w->objectName(), w->property("index").isValid() ? w->property("index").toInt() : -1));
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            const QStringList words = accepted.count(nameOf(w)) ? accepted.at(nameOf(w)) : QStringList{};
            QStringList q;
            for (const QString &word : words)
                q << quoted(word);
            out << head.arg(QStringLiteral("answer"), nameOf(w), rect) + QStringLiteral(" %1; %2; %3%4; accepts %5").arg(
                       quoted(e->text()), tabText(w, cycle), alignmentText(e->alignment()),
                       e->isReadOnly() ? QStringLiteral(", read-only") : QString(),
                       q.isEmpty() ? QStringLiteral("nothing") : q.join(QLatin1Char(' ')));
        } else if (auto *t = qobject_cast<QTextEdit *>(w)) {
            out << head.arg(QStringLiteral("text"), nameOf(w), rect) + QStringLiteral(" %1; %2; %3%4").arg(
                       quoted(t->toPlainText()), tabText(w, cycle), alignmentText(t->document()->defaultTextOption().alignment()),
                       t->isReadOnly() ? QStringLiteral(", read-only") : QString());
        } else if (auto *l = qobject_cast<QLabel *>(w); l && !l->pixmap().isNull()) {
            out << head.arg(QStringLiteral("picture"), nameOf(w), rect) + QStringLiteral(" %1; %2%3").arg(
                       pictureName(l), tabText(w, cycle), l->frameShape() != QFrame::NoFrame ? QStringLiteral("; framed") : QString());
        } else if (l) {
            out << head.arg(QStringLiteral("label"), nameOf(w), rect) + QStringLiteral(" %1; %2 %3 px, %4 on %5").arg(
                       quoted(l->text()), alignmentText(l->alignment()), QString::number(l->font().pixelSize()),
                       colourText(l->palette().color(QPalette::WindowText)), colourText(l->palette().color(QPalette::Window)));
        } else {
            // A line: its colour is what it paints.
            const QImage painted = w->grab().toImage();
            out << head.arg(QStringLiteral("line"), nameOf(w), rect)
                       + QStringLiteral(" %1").arg(colourText(QColor(painted.pixel(0, 0))));
        }
    }
    return out.join(QLatin1Char('\n'));
}

QString screenMap()
{
    Navigator navigator;
    const QStringList candidates = candidateWords(navigator);
    QStringList parts;
    parts << QStringLiteral(
        "# Every screen as built: caption; window size in pixels, frame, title-bar boxes, icon and\n"
        "# background; the Tab cycle from the focus on opening; then every control, topmost first:\n"
        "# kind, name (index), rectangle x,y wxh in pixels, caption or text, its place in the Tab\n"
        "# cycle, and for a button what a click does, for an answer box the words that Check turns\n"
        "# green (lower case; any mix of capitals is accepted too). Written by tst_golden from the\n"
        "# built windows (make golden); review every change.");
    for (ScreenId id : allScreens())
        parts << describeScreen(id, candidates);
    return parts.join(QLatin1String("\n\n")) + QLatin1Char('\n');
}

} // namespace

class TestGolden : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        // A steady text cursor: the focused box of a test looks the same whenever it is drawn.
        QApplication::setCursorFlashTime(0);
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
        // The program's own font, not a stand-in the font configuration found for it.
        QCOMPARE(QFontInfo(standardFont()).family(), standardFont().family());
    }

    void pictures_data()
    {
        QTest::addColumn<int>("screen"); // a screen, or -1 for the checked test
        for (ScreenId id : allScreens())
            QTest::newRow(describe(id).name.data()) << indexOf(id);
        QTest::newRow("Form7-checked") << -1;
    }

    void pictures()
    {
        QFETCH(int, screen);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        Navigator navigator;
        const QImage actual = screen < 0 ? renderCheckedTest(navigator)
                                         : render(navigator.registry().take(ScreenId(screen)));
        QVERIFY(!actual.isNull());
        const QString goldenFile = golden::directory() + QLatin1Char('/') + name + QStringLiteral(".png");
        const QImage expected = QImage(goldenFile).convertToFormat(QImage::Format_RGB32);
        if (writing()) {
            // An unchanged picture keeps its file, and so its bytes.
            if (expected != actual)
                QVERIFY2(savePicture(actual, goldenFile), qPrintable(goldenFile));
            return;
        }
        QVERIFY2(!expected.isNull(), qPrintable(goldenFile + QStringLiteral(" is missing: make golden")));
        if (expected == actual)
            return;
        int count = 0;
        QRect where;
        const QImage diff = difference(expected, actual, count, where);
        QDir().mkpath(actualDirectory());
        const QString actualFile = actualDirectory() + QLatin1Char('/') + name + QStringLiteral("-actual.png");
        const QString diffFile = actualDirectory() + QLatin1Char('/') + name + QStringLiteral("-difference.png");
        actual.save(actualFile);
        diff.save(diffFile);
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ from %2 within %3 (size %4x%5 against %6x%7); "
                                        "actual: %8, difference: %9")
                             .arg(count).arg(goldenFile, rectText(where))
                             .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height())
                             .arg(actualFile, diffFile)));
    }

    void screenMap()
    {
        const QString actual = ::screenMap();
        const QString goldenFile = golden::directory() + QStringLiteral("/screens.txt");
        QFile file(goldenFile);
        if (writing()) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual.toUtf8());
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(goldenFile + QStringLiteral(" is missing: make golden")));
        const QString expected = QString::fromUtf8(file.readAll());
        if (expected == actual)
            return;
        QDir().mkpath(actualDirectory());
        const QString actualFile = actualDirectory() + QStringLiteral("/screens.txt");
        QFile out(actualFile);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(actual.toUtf8());
        // Screen by screen, the lines only the golden has (-) and those only the build has (+).
        const auto blocks = [](const QString &text) {
            std::map<QString, QStringList> byScreen;
            for (const QString &block : text.split(QLatin1String("\n\n")))
                byScreen[block.section(QLatin1Char(' '), 0, 0)] = block.split(QLatin1Char('\n'));
            return byScreen;
        };
        const auto e = blocks(expected), a = blocks(actual);
        std::set<QString> names;
        for (const auto *side : {&e, &a})
            for (const auto &entry : *side)
                names.insert(entry.first);
        QStringList report;
        for (const QString &screen : names) {
            const QStringList el = e.count(screen) ? e.at(screen) : QStringList{};
            const QStringList al = a.count(screen) ? a.at(screen) : QStringList{};
            QStringList changes;
            for (const QString &l : el)
                if (!al.contains(l))
                    changes << QStringLiteral("  - ") + l;
            for (const QString &l : al)
                if (!el.contains(l))
                    changes << QStringLiteral("  + ") + l;
            if (!changes.isEmpty())
                report << screen + QLatin1Char(':') << changes.mid(0, 20);
        }
        QFAIL(qPrintable(QStringLiteral("the screens differ from %1:\n%2\nactual: %3 (diff -u %1 %3)")
                             .arg(goldenFile, report.join(QLatin1Char('\n')), actualFile)));
    }
};

// The platform, the scale and the fonts are fixed before the application exists, so that
// neither the desktop nor the user's settings reach the pictures.
int main(int argc, char *argv[])
{
    const char *liberation = "/usr/share/fonts/truetype/liberation";
    if (!QFile::exists(QLatin1String(liberation) + QStringLiteral("/LiberationSans-Regular.ttf"))) {
        std::fprintf(stderr, "skipped: the golden screens are drawn with %s/LiberationSans-Regular.ttf, "
                             "which is not installed (make deps)\n", liberation);
        return skipped;
    }
    QTemporaryDir fonts;
    QFile config(fonts.filePath(QStringLiteral("fonts.conf")));
    if (!fonts.isValid() || !config.open(QIODevice::WriteOnly))
        return 1;
    // The Liberation fonts alone, drawn as a Debian desktop draws them by default: smoothed,
    // slightly hinted, without sub-pixel colours.
    config.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                                "<fontconfig><dir>%1</dir><cachedir>%2</cachedir>\n"
                                "<match target=\"pattern\">"
                                "<edit name=\"antialias\" mode=\"assign\"><bool>true</bool></edit>"
                                "<edit name=\"hinting\" mode=\"assign\"><bool>true</bool></edit>"
                                "<edit name=\"hintstyle\" mode=\"assign\"><const>hintslight</const></edit>"
                                "<edit name=\"rgba\" mode=\"assign\"><const>none</const></edit>"
                                "<edit name=\"lcdfilter\" mode=\"assign\"><const>lcddefault</const></edit>"
                                "</match></fontconfig>\n")
                     .arg(QLatin1String(liberation), fonts.filePath(QStringLiteral("cache")))
                     .toUtf8());
    config.close();
    qputenv("FONTCONFIG_FILE", config.fileName().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char *v : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING",
                          "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME", "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        qunsetenv(v);
    QApplication app(argc, argv);
    TestGolden test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_golden.moc"
