// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowTimer.h"
#include "desktop/QtMessageService.h"
#include "placement/Twips.h"
#include "widgets/DisplayField.h"
#include "widgets/LazyWindow.h"

#include "TestSupport.h"

using namespace tikkro::core;
using namespace tikkro::widgets;
using namespace tikkro::desktop;
using namespace tikkro::placement;

class TestUi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twipsConvert_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("just below half") << 7 << 0;
        QTest::newRow("half rounds away") << 8 << 1;
        QTest::newRow("negative symmetric") << -8 << -1;
    }
    void twipsConvert()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(toPixels(twips), pixels);
        QCOMPARE(toPixels(static_cast<double>(twips)), pixels);
    }

    // Suspended, the timer keeps its interval, for the watch reads it as its
    // running flag; resumed, it ticks at once, long before its interval.
    void suspendedTimerKeepsItsIntervalAndTicksAtOnceOnResume()
    {
        WindowTimer timer;
        timer.setInterval(60'000);
        timer.setSuspended(true);
        QCOMPARE(timer.interval(), 60'000);
        QVERIFY(!timer.isTicking());
        timer.setInterval(30'000); // a level change while suspended
        QVERIFY(!timer.isTicking());
        QSignalSpy ticks(&timer, &WindowTimer::tick);
        timer.setSuspended(false);
        QVERIFY(ticks.wait(5'000));
        QCOMPARE(timer.interval(), 30'000);

        // A stopped timer stays quiet when resumed, and 0 ms never ticks at
        // every turn of the loop.
        timer.setSuspended(true);
        timer.setInterval(0);
        timer.setSuspended(false);
        QVERIFY(!timer.isTicking());
    }

    // A running display changes its hundredths 66 times a second; assistive
    // technology hears of whole seconds and of changes of form only.
    void displayTellsOnlyCoarseChanges_data()
    {
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("worth");
        QTest::newRow("hundredths") << "00:00:12.01"
                                    << "00:00:12.34" << false;
        QTest::newRow("next second") << "00:00:12.99"
                                     << "00:00:13.00" << true;
        QTest::newRow("reset") << "00:00:20.01"
                               << "00:00:00.000" << true;
        QTest::newRow("clock field") << "05.12.26   09:57:37"
                                     << "05.12.26   09:57:38" << true;
    }
    void displayTellsOnlyCoarseChanges()
    {
        QFETCH(QString, told);
        QFETCH(QString, text);
        QTEST(DisplayField::isWorthAnnouncing(told, text), "worth");
    }

    void formSlotLoadsOnceAndForgetsOnClose()
    {
        int made = 0;
        LazyWindow<QWidget> slot([&made] {
            ++made;
            return new QWidget;
        });
        slot.unload(); // not loaded: nothing happens
        QWidget* first = slot.show();
        QCOMPARE(slot.show(), first);
        QCOMPARE(made, 1);
        first->close();
        QVERIFY(!slot.isLoaded());
        slot.show();
        QCOMPARE(made, 2);
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

TIKKRO_TEST(TestUi)
#include "TestUi.moc"
