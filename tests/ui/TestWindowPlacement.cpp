// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using tikkro::ui::toTwips;
using tikkro::ui::WindowPlacement;

namespace {

// Two screens side by side, the primary one on the left and smaller.
const QByteArray TwoScreens = R"({"screens": [
    {"name": "left", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96},
    {"name": "right", "x": 1024, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]})";

const QSize WindowSize(300, 200);

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }

    // A saved place is kept while any part of the window lies on a screen.
    void savedPlace_data()
    {
        QTest::addColumn<QPoint>("saved");
        QTest::addColumn<bool>("kept");
        QTest::newRow("on the primary screen") << QPoint(100, 100) << true;
        QTest::newRow("straddling both screens") << QPoint(900, 100) << true;
        QTest::newRow("on the second screen") << QPoint(1500, 800) << true;
        QTest::newRow("partly past the far edge") << QPoint(2200, 100) << true;
        QTest::newRow("beyond the far edge") << QPoint(2304, 100) << false;
        QTest::newRow("below the primary, beside the second") << QPoint(100, 800) << false;
    }
    void savedPlace()
    {
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
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestWindowPlacement.moc"
