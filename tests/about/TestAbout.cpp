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
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

bool makeFile(const QString& path, bool executable)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           (!executable || file.setPermissions(file.permissions() | QFile::ExeOwner));
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

    struct Rig
    {
        FakeRegistry registry;
        fakes::FakeProgramLauncher launcher;
        fakes::FakeMessageService messages;
        fakes::FakeSoundService sound;
        SysInfoLauncher sysInfo{registry, launcher, messages};
        ui::FormSlot<about::FrmAbout> slot{[this] { return new about::FrmAbout(sound, sysInfo); }};
    };

    static QPushButton* button(QWidget* form, const char* name)
    {
        return form->findChild<QPushButton*>(QLatin1String(name));
    }

private Q_SLOTS:
    void getKeyValue_data()
    {
        QTest::addColumn<std::optional<Value>>("value"); // none: the key is missing
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("keyVal");

        QTest::newRow("terminating zero dropped")
            << std::optional(FakeRegistry::string("/bin/v")) << true << "/bin/v";
        QTest::newRow("no zero, every character kept")
            << std::optional(Value{1, "/bin/v"}) << true << "/bin/v";
        QTest::newRow("expandable string leaves the text")
            << std::optional(Value{2, "/bin/v"}) << true << "before";
        QTest::newRow("32-bit number")
            << std::optional(Value{4, QByteArray("\x02\x01\0\0", 4)}) << true << "&h102";
        QTest::newRow("1024 bytes fit") << std::optional(Value{1, QByteArray(1024, 'a')}) << true
                                        << QString(1024, QLatin1Char('a'));
        QTest::newRow("1025 bytes fail")
            << std::optional(Value{1, QByteArray(1025, 'a')}) << false << "";
        QTest::newRow("missing key") << std::optional<Value>() << false << "";
    }
    void getKeyValue()
    {
        QFETCH(std::optional<Value>, value);
        QFETCH(bool, result);
        QFETCH(QString, keyVal);
        Rig rig;
        if (value) {
            rig.registry.keys[ViewerKey][ViewerValue] = *value;
        }
        QString text = QStringLiteral("before");
        QCOMPARE(
            rig.sysInfo.GetKeyValue(about::Registry::LocalMachine, ViewerKey, ViewerValue, text),
            result);
        QCOMPARE(text, keyVal);
        QCOMPARE(rig.registry.closes, 1); // after a failed open too
        QCOMPARE(rig.registry.openKeys(), 0);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<std::optional<Value>>("location1");
        QTest::addColumn<bool>("location2");
        QTest::addColumn<bool>("fallbackFile");
        QTest::addColumn<QString>("started"); // "<tools>": the fallback viewer
        QTest::addColumn<bool>("location2Tried");

        const auto path = [](const char* p) { return std::optional(FakeRegistry::string(p)); };
        const std::optional<Value> none;
        QTest::newRow("location 1 wins") << path("/opt/v") << true << true << "/opt/v" << false;
        QTest::newRow("location 1 does not start") << path("/no/v") << true << true << "" << false;
        QTest::newRow("expandable string, empty path")
            << std::optional(Value{2, "/opt/v"}) << true << true << "" << false;
        QTest::newRow("folder holds the viewer") << none << true << true << "<tools>" << true;
        QTest::newRow("value of no bytes")
            << std::optional(Value{1, ""}) << true << true << "" << false;
        QTest::newRow("location 1 too long")
            << std::optional(Value{1, QByteArray(1025, 'v')}) << true << true << "<tools>" << true;
        QTest::newRow("folder without the viewer") << none << true << false << "" << true;
        QTest::newRow("both missing") << none << false << false << "" << true;
    }
    void startSysInfo()
    {
        QFETCH(std::optional<Value>, location1);
        QFETCH(bool, location2);
        QFETCH(bool, fallbackFile);
        QFETCH(QString, started);
        QFETCH(bool, location2Tried);

        QTemporaryDir tools;
        const QString fallback = tools.path() + QLatin1String(SysInfoLauncher::FallbackViewer);
        QVERIFY(!fallbackFile || makeFile(fallback, true));
        Rig rig;
        if (location1) {
            rig.registry.keys[ViewerKey][ViewerValue] = *location1;
        }
        if (location2) {
            rig.registry.keys[ToolsKey][QStringLiteral("MSINFO")] =
                FakeRegistry::string(tools.path().toUtf8());
        }
        rig.launcher.startable = {QStringLiteral("/opt/v"), fallback};
        started.replace(QLatin1String("<tools>"), fallback);

        rig.sysInfo.StartSysInfo();

        QCOMPARE(rig.launcher.started.join(QString()), started);
        QCOMPARE(rig.messages.messages.size(), started.isEmpty() ? 1 : 0);
        if (started.isEmpty()) {
            QCOMPARE(rig.messages.messages[0].text, Unavailable);
            QCOMPARE(rig.messages.messages[0].icon, ui::MessageService::Icon::None);
            QCOMPARE(rig.messages.messages[0].title, QString()); // the application's title
        }
        QCOMPARE(rig.registry.tried.contains(ToolsKey), location2Tried);
        QCOMPARE(rig.registry.closes, rig.registry.tried.size());
        QCOMPARE(rig.registry.openKeys(), 0);
    }

    // The Linux answers to the two lookups: the first runnable viewer of the
    // list on the search path, else the desktop monitor in the tools folder.
    void desktopRegistry()
    {
        QTemporaryDir bin;
        QVERIFY(makeFile(bin.filePath("hardinfo2"), false) &&
                makeFile(bin.filePath("cpu-x"), true) && makeFile(bin.filePath("hardinfo"), true));
        about::DesktopRegistry registry({bin.path()}, QStringLiteral("/tools"));
        fakes::FakeProgramLauncher launcher;
        fakes::FakeMessageService messages;
        SysInfoLauncher sysInfo(registry, launcher, messages);
        QString text;
        QVERIFY(sysInfo.GetKeyValue(about::Registry::LocalMachine, ViewerKey, ViewerValue, text));
        QCOMPARE(text, bin.filePath("hardinfo"));
        QVERIFY(sysInfo.GetKeyValue(about::Registry::LocalMachine, ToolsKey, "MSINFO", text));
        QCOMPARE(text, QStringLiteral("/tools"));
        // No search folders must not mean the real PATH.
        about::DesktopRegistry empty({}, {});
        QVERIFY(!SysInfoLauncher(empty, launcher, messages)
                     .GetKeyValue(about::Registry::LocalMachine, ViewerKey, ViewerValue, text));
    }

    void aboutBoxTextsButtonsAndSoundAtEveryLoad()
    {
        Rig rig;
        QWidget* form = rig.slot.show();
        const auto label = [form](const char* name) {
            return form->findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(form->windowTitle(), QStringLiteral("About Tikkro"));
        QCOMPARE(label("lblTitle"), "About Tikkro\n(Morvane's sophisticated Stop Watch)");
        QCOMPARE(label("lblVersion"), QStringLiteral("Version 1.0.32"));
        QCOMPARE(label("lblDisclaimer"),
                 "Warning: Although this stop watch is very exact, be careful using it for "
                 "prefessional purposes, since it is Windows-based and - Windows isn't a realtime "
                 "environement! Use a realtime device instead.");
        QCOMPARE(button(form, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));

        QTest::mouseClick(button(form, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(rig.messages.messages.size(), 1);
        QVERIFY(rig.slot.isLoaded() && form->isVisible());

        const QStringList once{QStringLiteral("Der Microsoft Sound.wav")};
        QCOMPARE(rig.sound.played, once);
        rig.slot.show(); // already open: raised, not loaded again
        QCOMPARE(rig.sound.played, once);
        QTest::mouseClick(button(form, "cmdOK"), Qt::LeftButton);
        QVERIFY(!rig.slot.isLoaded());
        rig.slot.show();
        QCOMPARE(rig.sound.played, once + once);
    }

    void unloads_data()
    {
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close box") << 0;
    }
    void unloads()
    {
        QFETCH(int, key);
        Rig rig;
        QPointer<QWidget> form = rig.slot.show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), button(form, "cmdOK"));
        if (key != 0) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        } else {
            form->close();
        }
        QVERIFY(!rig.slot.isLoaded());
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(TestAbout)
#include "TestAbout.moc"
