// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/Twips.h"
#include "placement/WindowPlacement.h"

#include "TestSupport.h"

using tikkro::placement::toTwips;
using tikkro::placement::WindowPlacement;

namespace {

// Offscreen: two screens side by side, the primary one on the left and
// smaller. Run with QT_QPA_PLATFORM=xcb, it uses the X server it is given,
// with or without a window manager.
const QByteArray TwoScreens = R"({"screens": [
    {"name": "left", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96},
    {"name": "right", "x": 1024, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]})";

const QSize WindowSize(300, 200);

} // namespace

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
        content->setFixedSize(WindowSize);
        (new QVBoxLayout(&window))->addWidget(content);
        WindowPlacement placement(window);
        placement.placeAtDefault();
        window.show();
        const auto atRightEdge = [&] {
            const int screenEnd = QGuiApplication::primaryScreen()->geometry().right() + 1;
            return placement.positionToSave() ==
                   toTwips({screenEnd - window.frameGeometry().width(), 18});
        };
        QTRY_VERIFY(atRightEdge());
        QTest::qWait(1200); // past the wait for a frame, for a late move
        QVERIFY(atRightEdge());
    }

    // A saved place is kept while any part of the window lies on a screen.
    void savedPlace_data()
    {
        QTest::addColumn<QPoint>("saved");
        QTest::addColumn<bool>("kept");
        QTest::newRow("straddling both screens") << QPoint(900, 100) << true;
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
        window.setFixedSize(WindowSize);
        WindowPlacement placement(window);
        placement.restore(toTwips(saved.x()), toTwips(saved.y()));
        const QPoint atDefault(1024 - WindowSize.width(), 18);
        QCOMPARE(window.pos(), kept ? saved : atDefault);
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(TwoScreens) != TwoScreens.size()) {
        return 1;
    }
    file.close();
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestWindowPlacement.moc"
