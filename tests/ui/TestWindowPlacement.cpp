// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/FramePositioner.h"
#include "placement/Twips.h"
#include "placement/WindowPlacement.h"

#include "TestSupport.h"

using namespace tikkro::placement;

// ctest runs it offscreen on two screens side by side (two-screens.json),
// the primary one on the left and smaller, and on an X server with no
// window manager, where no frame ever comes.

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The first start: the frame against the primary screen's right edge,
    // 270 twips down, although the window has no size of its own until it
    // is shown and, with no window manager, never gets a frame.
    void defaultPlace()
    {
        QWidget window;
        auto* content = new QWidget(&window);
        content->setFixedSize(300, 200);
        (new QVBoxLayout(&window))->addWidget(content);
        WindowPlacement placement(window);
        placement.placeAtDefault();
        window.show();
        // Also after the wait for a frame, for a late move.
        QTRY_VERIFY_WITH_TIMEOUT(!window.findChild<FramePositioner*>()->isPlacing(), 10'000);
        const int screenEnd = QGuiApplication::primaryScreen()->geometry().right() + 1;
        QCOMPARE(placement.positionToSave(),
                 toTwips({screenEnd - window.frameGeometry().width(), 18}));
    }

    // A saved place is kept while any part of the window lies on a screen.
    void savedPlace_data()
    {
        addColumns<QPoint, bool>({"saved", "kept"});
        QTest::newRow("partly past the far edge") << QPoint(2200, 100) << true;
        QTest::newRow("beyond the far edge") << QPoint(2304, 100) << false;
        QTest::newRow("below the primary, beside the second") << QPoint(100, 800) << false;
    }
    void savedPlace()
    {
        if (QGuiApplication::screens().size() != 2) {
            QSKIP("needs the two offscreen screens");
        }
        QFETCH(QPoint, saved);
        QFETCH(bool, kept);
        QWidget window;
        window.setFixedSize(300, 200);
        WindowPlacement placement(window);
        placement.restore(toTwips(saved.x()), toTwips(saved.y()));
        const QPoint atDefault(1024 - window.width(), 18);
        QCOMPARE(window.pos(), kept ? saved : atDefault);
    }
};

TIKKRO_TEST(TestWindowPlacement)
#include "TestWindowPlacement.moc"
