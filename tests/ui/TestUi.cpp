// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LazyWindow.h"
#include "ui/QtMessageService.h"
#include "ui/Twips.h"
#include "ui/WindowTimer.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

using namespace tikkro::ui;

class TestUi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twipsConvert_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("just below half") << 7 << 0;
        QTest::newRow("half rounds away") << 8 << 1;
        QTest::newRow("client width") << 5340 << 356;
        QTest::newRow("negative symmetric") << -8 << -1;
        QTest::newRow("negative screen") << -1500 << -100;
    }
    void twipsConvert()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(toPixels(twips), pixels);
        QCOMPARE(toPixels(static_cast<double>(twips)), pixels);
    }

    void windowTimerZeroMeansStopped()
    {
        WindowTimer timer;
        QCOMPARE(timer.interval(), 0);
        timer.setInterval(15);
        QCOMPARE(timer.interval(), 15);
        timer.setInterval(0);
        QCOMPARE(timer.interval(), 0);
        QSignalSpy ticks(&timer, &WindowTimer::tick);
        // A timer left running at 0 ms would tick at every turn of the loop.
        QCoreApplication::processEvents();
        QCOMPARE(ticks.count(), 0);
        timer.setInterval(1);
        QVERIFY(ticks.wait(1000));
    }

    void formSlotLoadsOnceAndForgetsOnClose()
    {
        int made = 0;
        LazyWindow<QWidget> slot([&made] {
            ++made;
            return new QWidget;
        });
        QVERIFY(!slot.isLoaded());
        slot.unload(); // not loaded: nothing happens
        QWidget* first = slot.show();
        QCOMPARE(slot.show(), first);
        QCOMPARE(made, 1);
        first->close();
        QVERIFY(!slot.isLoaded());
        QWidget* second = slot.show();
        QCOMPARE(made, 2);
        QVERIFY(second->isVisible());
        slot.unload();
        QVERIFY(!slot.isLoaded());
    }

    // Esc only hides a dialog; the slot must still count it as unloaded.
    void rejectedDialogIsUnloaded()
    {
        LazyWindow<QDialog> slot([] { return new QDialog; });
        QDialog* dialog = slot.show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isHidden());
        QVERIFY(!slot.isLoaded());
    }

    void messageShowsNamesAsTyped()
    {
        QtMessageService messages;
        messages.showModeless(QStringLiteral("<b>run</b>.csv could not be saved."),
                              MessageService::Icon::Warning);
        QMessageBox* box = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            box = box ? box : qobject_cast<QMessageBox*>(window);
        }
        QVERIFY(box);
        QCOMPARE(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->textFormat(),
                 Qt::PlainText);
        box->close();
    }
};

QTEST_MAIN(TestUi)
#include "TestUi.moc"
