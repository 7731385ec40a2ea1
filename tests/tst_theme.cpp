// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layouts keep the program's own font and colours whatever the desktop sets,
// whether its theme sets them before a screen is built or while it is on view (some
// desktop themes set the application's font once the program runs).
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"

#include <QFontDatabase>
#include <QImage>
#include <QPalette>
#include <QTest>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

namespace {

// What a control shows and where, as far as the desktop's look could change it.
struct Look {
    QString font;
    QRect geometry;
    QList<QRgb> colours;
    bool operator==(const Look &) const = default;
};

const QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                     QPalette::Text, QPalette::Button, QPalette::ButtonText,
                                     QPalette::Light, QPalette::Dark, QPalette::Highlight};

Look lookOf(QWidget *w)
{
    Look look{w->font().toString(), w->geometry(), {}};
    for (QPalette::ColorRole role : roles)
        look.colours << w->palette().color(role).rgba();
    return look;
}

// A desktop with a large serif font and dark colours, nothing like the program's own.
QFont desktopFont()
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(14);
    font.setItalic(true);
    font.setWeight(QFont::Bold);
    return font;
}

QPalette desktopPalette()
{
    QPalette palette(QColor(40, 40, 48), QColor(20, 20, 24));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::ButtonText, QColor(250, 250, 200));
    palette.setColor(QPalette::Text, QColor(200, 250, 200));
    return palette;
}

} // namespace

class TestTheme : public QObject {
    Q_OBJECT

private:
    QFont programFont;
    QPalette programPalette;

    void useProgramLook()
    {
        QApplication::setFont(programFont);
        QApplication::setPalette(programPalette);
    }
    void useDesktopLook()
    {
        QApplication::setFont(desktopFont());
        QApplication::setPalette(desktopPalette());
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        QApplication::setCursorFlashTime(0); // a steady text cursor: pictures taken apart agree
        programFont = QApplication::font();
        programPalette = QApplication::palette();
    }
    void cleanup() { useProgramLook(); }

    void desktopLookIgnored_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<bool>("changedFirst");
        for (ScreenId id : allScreens()) {
            QTest::addRow("%s, desktop look set while shown", describe(id).name.data()) << id << false;
            QTest::addRow("%s, desktop look set before", describe(id).name.data()) << id << true;
        }
    }
    // Every control as under the program's own look: font, place, colours and pixels.
    void desktopLookIgnored()
    {
        QFETCH(ScreenId, id);
        QFETCH(bool, changedFirst);
        std::vector<Look> reference;
        QImage referenceImage;
        {
            Navigator navigator;
            QWidget *screen = navigator.registry().take(id);
            screen->show();
            QCoreApplication::processEvents(); // as long as the other one: both take the focus
            for (const ControlDesc &c : describe(id).controls)
                reference.push_back(lookOf(control(screen, c)));
            referenceImage = screen->grab().toImage();
        }

        Navigator navigator;
        if (changedFirst)
            useDesktopLook();
        QWidget *screen = navigator.registry().take(id);
        screen->show();
        if (!changedFirst)
            useDesktopLook();
        else
            QCoreApplication::processEvents();
        QCOMPARE(QApplication::font(), desktopFont()); // the desktop's look did take hold
        for (std::size_t i = 0; i < reference.size(); ++i) {
            const ControlDesc &c = describe(id).controls[i];
            const Look look = lookOf(control(screen, c));
            QVERIFY2(look.font == reference[i].font, qPrintable(qs(c.name) + QLatin1String(": ") + look.font));
            QVERIFY2(look.geometry == reference[i].geometry, c.name.data());
            QVERIFY2(look.colours == reference[i].colours, c.name.data());
        }
        QVERIFY(screen->grab().toImage() == referenceImage);
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
