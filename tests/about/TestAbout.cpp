// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutBox.h"
#include "about/SysInfoLauncher.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeProgramLauncher.h"
#include "fakes/FakeSoundService.h"
#include "widgets/LazyWindow.h"

#include "TestSupport.h"

using namespace tikkro;
using about::SysInfoLauncher;

namespace {

struct Rig
{
    // The full report and, as the last choice, the resource monitor.
    const QMap<QString, QString> installed{{"hardinfo", "/usr/bin/hardinfo"},
                                           {"gnome-system-monitor", "/usr/bin/monitor"}};
    fakes::FakeProgramLauncher launcher;
    fakes::FakeMessageService messages;
    fakes::FakeSoundService sound;
    SysInfoLauncher sysInfo{[this](const QString& name) { return installed.value(name); }, launcher,
                            messages};
    // Too long for the box.
    const QString database = QStringLiteral("/home/user") + QStringLiteral("/deep").repeated(40) +
                             QStringLiteral("/tikkro.mdb");
    widgets::LazyWindow<about::AboutBox> slot{
        [this] { return new about::AboutBox(sound, sysInfo, database); }};
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The sound plays at each load, not when the open box is only raised; OK
    // unloads the box. A path too long for the box keeps its file name in
    // view and is given whole in the tooltip. System Info starts the first
    // viewer found, the full report, and when it fails the user hears of it.
    void aboutBox()
    {
        Rig rig;
        QWidget* form = rig.slot.show();
        const auto* label = form->findChild<QLabel*>("database");
        QVERIFY(label->text().endsWith(QStringLiteral("/tikkro.mdb")));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <=
                label->contentsRect().width());
        QCOMPARE(label->toolTip(), rig.database);
        rig.launcher.startable = QStringList{"/usr/bin/monitor"};
        QTest::mouseClick(form->findChild<QPushButton*>("sysInfoButton"), Qt::LeftButton);
        QCOMPARE(rig.messages.messages.size(), 1);
        QVERIFY(rig.launcher.started.isEmpty());
        const QStringList once{QStringLiteral("Der Microsoft Sound.wav")};
        rig.slot.show(); // already open: raised, not loaded again
        QCOMPARE(rig.sound.played, once);
        QTest::mouseClick(form->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        QVERIFY(!rig.slot.isLoaded());
        rig.slot.show();
        QCOMPARE(rig.sound.played, once + once);
    }
};

TIKKRO_TEST(TestAbout)
#include "TestAbout.moc"
