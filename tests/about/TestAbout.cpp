// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/DesktopRegistry.h"
#include "about/FrmAbout.h"
#include "about/SysInfoLauncher.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeProgramLauncher.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSoundService.h"
#include "ui/FormSlot.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tikkro;
using about::SysInfoLauncher;
using fakes::FakeRegistry;
using Value = FakeRegistry::Value;
Q_DECLARE_METATYPE(FakeRegistry::Value)

namespace {

const QString ViewerKey = QString::fromLatin1(SysInfoLauncher::ViewerKey);
const QString ViewerValue = QString::fromLatin1(SysInfoLauncher::ViewerValue);
const QString ToolsKey = QString::fromLatin1(SysInfoLauncher::ToolsKey);
const auto LocalMachine = about::Registry::LocalMachine;

bool makeFile(const QString& path, bool executable)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           (!executable || file.setPermissions(file.permissions() | QFile::ExeOwner));
}

struct Rig
{
    FakeRegistry registry;
    fakes::FakeProgramLauncher launcher;
    fakes::FakeMessageService messages;
    fakes::FakeSoundService sound;
    SysInfoLauncher sysInfo{registry, launcher, messages};
    ui::FormSlot<about::FrmAbout> slot{[this] { return new about::FrmAbout(sound, sysInfo); }};
};

QPushButton* button(QWidget* form, const char* name)
{
    return form->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // GetKeyValue on location 1, then StartSysInfo: location 2 is tried only
    // when location 1 cannot be read, and every key tried is closed again.
    void sysInfo_data()
    {
        QTest::addColumn<std::optional<Value>>("location1"); // none: the key is missing
        QTest::addColumn<QString>("keyVal"); // "-" and the text when false; or "throws"
        QTest::addColumn<bool>("fallbackFile");
        QTest::addColumn<QString>("started"); // "<tools>": the fallback viewer; "": the message
        const auto path = [](const char* p) { return std::optional(FakeRegistry::string(p)); };
        const auto raw = [](quint32 type, const QByteArray& bytes) {
            return std::optional(Value{type, bytes});
        };
        const std::optional<Value> none;
        const QByteArray full(1024, 'a');
        QTest::newRow("zero dropped, location 1 wins")
            << path("/opt/v") << "/opt/v" << true << "/opt/v";
        QTest::newRow("no zero, all kept") << raw(1, "/opt/v") << "/opt/v" << true << "/opt/v";
        QTest::newRow("location 1 does not start") << path("/no/v") << "/no/v" << true << "";
        QTest::newRow("expandable string") << raw(2, "/opt/v") << "before" << true << "";
        QTest::newRow("32-bit number")
            << raw(4, QByteArray("\x02\x01\0\0", 4)) << "&h102" << true << "";
        QTest::newRow("1024 bytes fit") << raw(1, full) << QString::fromLatin1(full) << true << "";
        QTest::newRow("1025 bytes fail") << raw(1, full + 'a') << "-" << true << "<tools>";
        QTest::newRow("value of no bytes") << raw(1, "") << "throws" << true << "";
        QTest::newRow("folder holds the viewer") << none << "-" << true << "<tools>";
        QTest::newRow("folder without the viewer") << none << "-" << false << "";
    }
    void sysInfo()
    {
        QFETCH(std::optional<Value>, location1);
        QFETCH(QString, keyVal);
        QFETCH(bool, fallbackFile);
        QFETCH(QString, started);
        QTemporaryDir tools;
        const QString fallback = tools.path() + QLatin1String(SysInfoLauncher::FallbackViewer);
        QVERIFY(!fallbackFile || makeFile(fallback, true));
        Rig rig;
        if (location1)
            rig.registry.keys[ViewerKey][ViewerValue] = *location1;
        rig.registry.keys[ToolsKey]["MSINFO"] = FakeRegistry::string(tools.path().toUtf8());
        rig.launcher.startable = {QStringLiteral("/opt/v"), fallback};
        started.replace(QLatin1String("<tools>"), fallback);

        QString text = QStringLiteral("before");
        try {
            if (!rig.sysInfo.GetKeyValue(LocalMachine, ViewerKey, ViewerValue, text))
                text.prepend(u'-');
        } catch (const SysInfoLauncher::ValueError&) {
            text = QStringLiteral("throws");
        }
        QCOMPARE(text, keyVal);
        rig.sysInfo.StartSysInfo();

        QCOMPARE(rig.launcher.started.join(QString()), started);
        QCOMPARE(rig.messages.messages.size(), started.isEmpty() ? 1 : 0);
        if (started.isEmpty())
            QCOMPARE(rig.messages.messages[0].text, SysInfoLauncher::Unavailable);
        QCOMPARE(rig.registry.tried.contains(ToolsKey), keyVal.startsWith(u'-'));
        QCOMPARE(rig.registry.closes, rig.registry.tried.size());
        QVERIFY(rig.registry.open.isEmpty());
    }

    // The Linux answers to the two lookups: the first runnable viewer of the
    // list on the search path, else the desktop monitor in the tools folder.
    void desktopRegistry()
    {
        QTemporaryDir bin;
        QVERIFY(makeFile(bin.filePath("hardinfo2"), false) &&
                makeFile(bin.filePath("cpu-x"), true) && makeFile(bin.filePath("hardinfo"), true));
        about::DesktopRegistry registry({bin.path()}, QStringLiteral("/tools"));
        Rig rig;
        SysInfoLauncher sysInfo(registry, rig.launcher, rig.messages);
        QString text;
        QVERIFY(sysInfo.GetKeyValue(LocalMachine, ViewerKey, ViewerValue, text));
        QCOMPARE(text, bin.filePath("hardinfo"));
        QVERIFY(sysInfo.GetKeyValue(LocalMachine, ToolsKey, "MSINFO", text));
        QCOMPARE(text, QStringLiteral("/tools"));
        // No search folders must not mean the real PATH.
        about::DesktopRegistry empty({}, {});
        QVERIFY(!SysInfoLauncher(empty, rig.launcher, rig.messages)
                     .GetKeyValue(LocalMachine, ViewerKey, ViewerValue, text));
    }

    void aboutBoxTextsAndSoundAtEveryLoad()
    {
        Rig rig;
        QWidget* form = rig.slot.show();
        const auto label = [form](const char* name) {
            return form->findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(label("lblTitle"), "About Tikkro\n(Morvane's sophisticated Stop Watch)");
        QCOMPARE(label("lblVersion"), QStringLiteral("Version 1.0.32"));
        QCOMPARE(label("lblDisclaimer"),
                 "Warning: Although this stop watch is very exact, be careful using it for "
                 "prefessional purposes, since it is Windows-based and - Windows isn't a realtime "
                 "environement! Use a realtime device instead.");
        QTest::mouseClick(button(form, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(rig.messages.messages.size(), 1);

        const QStringList once{QStringLiteral("Der Microsoft Sound.wav")};
        QCOMPARE(rig.sound.played, once);
        rig.slot.show(); // already open: raised, not loaded again
        QCOMPARE(rig.sound.played, once);
        QTest::mouseClick(button(form, "cmdOK"), Qt::LeftButton);
        QVERIFY(!rig.slot.isLoaded());
        rig.slot.show();
        QCOMPARE(rig.sound.played, once + once);
    }

    void keysUnload_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void keysUnload()
    {
        QFETCH(int, key);
        Rig rig;
        QPointer<QWidget> form = rig.slot.show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), button(form, "cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!rig.slot.isLoaded());
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(TestAbout)
#include "TestAbout.moc"
