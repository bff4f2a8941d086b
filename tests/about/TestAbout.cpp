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
using Programs = QMap<QString, QString>; // program name -> path

namespace {

struct Rig
{
    Programs installed;
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
    void sysInfo_data()
    {
        // started: "": the message instead
        addColumns<Programs, QStringList, QString>({"installed", "startable", "started"});
        const QString hardinfo = QStringLiteral("/usr/bin/hardinfo");
        const QString infoCentre = QStringLiteral("/usr/bin/kinfocenter");
        const Programs both{{QStringLiteral("hardinfo"), hardinfo},
                            {QStringLiteral("kinfocenter"), infoCentre}};
        QTest::newRow("full report before info centre")
            << both << QStringList{hardinfo, infoCentre} << hardinfo;
        QTest::newRow("none installed") << Programs() << QStringList{hardinfo} << QString();
        // The viewer of choice is broken: the user hears of it.
        QTest::newRow("found viewer fails") << both << QStringList{infoCentre} << QString();
    }
    void sysInfo()
    {
        QFETCH(Programs, installed);
        QFETCH(QStringList, startable);
        QFETCH(QString, started);
        Rig rig;
        rig.installed = installed;
        rig.launcher.startable = startable;
        rig.sysInfo.launch();

        QCOMPARE(rig.launcher.started.join(QString()), started);
        QCOMPARE(rig.messages.messages.size(), started.isEmpty() ? 1 : 0);
    }

    // The sound plays at each load, not when the open box is only raised; OK
    // unloads the box. A path too long for the box keeps its file name in
    // view and is given whole in the tooltip.
    void aboutBox()
    {
        Rig rig;
        QWidget* form = rig.slot.show();
        const auto* label = form->findChild<QLabel*>("database");
        QVERIFY(label->text().endsWith(QStringLiteral("/tikkro.mdb")));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <=
                label->contentsRect().width());
        QCOMPARE(label->toolTip(), rig.database);
        QTest::mouseClick(form->findChild<QPushButton*>("sysInfoButton"), Qt::LeftButton);
        QCOMPARE(rig.messages.messages.size(), 1);
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
