// SPDX-License-Identifier: GPL-3.0-or-later
// On a high-density screen (run with QT_SCALE_FACTOR): every picture drawn from its
// twice-as-large rendering, at the same logical size, and the layout unchanged.
#include "testing.h"

#include "app/navigator.h"
#include "app/startup.h"
#include "assets/pixmaps.h"
#include "screens/builder.h"

#include <QLabel>
#include <QTest>

using namespace testing;

Q_DECLARE_METATYPE(ossarion::ScreenId)

class TestDensity : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Navigator> navigator;

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        if (qApp->devicePixelRatio() <= 1.0)
            QSKIP("run with QT_SCALE_FACTOR above 1");
    }
    void init() { navigator = std::make_unique<Navigator>(); }
    void cleanup() { navigator.reset(); }

    void pictures_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : allScreens())
            QTest::newRow(describe(id).name.data()) << id;
    }
    void pictures()
    {
        QFETCH(ScreenId, id);
        QWidget *screen = navigator->registry().take(id);
        screen->show();
        QCOMPARE(screen->size(), isMainScreen(id) ? QSize(765, 508) : screen->size());
        for (const ControlDesc &c : describe(id).controls) {
            QWidget *w = control(screen, c);
            if (c.kind != Kind::Picture) {
                if (c.kind == Kind::Button || c.kind == Kind::TextBox)
                    QCOMPARE(w->geometry(), QRect(toPixels(c.left), toPixels(c.top), toPixels(c.width), toPixels(c.height)));
                continue;
            }
            const QPixmap picture = qobject_cast<QLabel *>(w)->pixmap();
            const AssetInfo &asset = assetInfo(c.picture);
            QCOMPARE(picture.devicePixelRatio(), 2.0);
            QCOMPARE(picture.size(), QSize(asset.width * 2, asset.height * 2));
            QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(asset.width, asset.height));
            const int frame = c.framed ? 2 : 0;
            QCOMPARE(w->size(), QSize(asset.width + 2 * frame, asset.height + 2 * frame));
        }
        // The title-bar icon has its sharp rendering too.
        QCOMPARE(programIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    }
};

QTEST_MAIN(TestDensity)
#include "tst_density.moc"
