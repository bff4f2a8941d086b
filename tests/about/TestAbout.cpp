// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutBox.h"
#include "about/DesktopRegistry.h"
#include "about/SysInfoLauncher.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeProgramLauncher.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSoundService.h"
#include "ui/LazyWindow.h"

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
    ui::LazyWindow<about::AboutBox> slot{[this] { return new about::AboutBox(sound, sysInfo); }};
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Location 2 is tried only when location 1 cannot be read, and every key
    // tried is closed again.
    void sysInfo_data()
    {
        QTest::addColumn<std::optional<Value>>("location1"); // none: the key is missing
        QTest::addColumn<bool>("fallbackFile");
        QTest::addColumn<QString>("started"); // "<tools>": the fallback viewer; "": the message
        const auto path = [](const char* p) { return std::optional(FakeRegistry::string(p)); };
        const auto raw = [](quint32 type, const QByteArray& bytes) {
            return std::optional(Value{type, bytes});
        };
        QTest::newRow("zero dropped, location 1 wins") << path("/opt/v") << true << "/opt/v";
        QTest::newRow("location 1 does not start") << path("/no/v") << true << "";
        QTest::newRow("expandable string") << raw(2, "/opt/v") << true << "";
        QTest::newRow("value of no bytes") << raw(1, "") << true << "";
        QTest::newRow("number as hexadecimal")
            << raw(4, QByteArray("\x02\x01\x00\x00", 4)) << true << "&h102";
        QTest::newRow("folder holds the viewer") << std::optional<Value>() << true << "<tools>";
        QTest::newRow("folder without the viewer") << std::optional<Value>() << false << "";
    }
    void sysInfo()
    {
        QFETCH(std::optional<Value>, location1);
        QFETCH(bool, fallbackFile);
        QFETCH(QString, started);
        QTemporaryDir tools;
        const QString fallback = tools.path() + QLatin1String(SysInfoLauncher::FallbackViewer);
        QVERIFY(!fallbackFile || makeFile(fallback, true));
        Rig rig;
        if (location1)
            rig.registry.keys[ViewerKey][ViewerValue] = *location1;
        rig.registry.keys[ToolsKey]["MSINFO"] = FakeRegistry::string(tools.path().toUtf8());
        rig.launcher.startable = {QStringLiteral("/opt/v"), QStringLiteral("&h102"), fallback};
        started.replace(QLatin1String("<tools>"), fallback);
        rig.sysInfo.launch();

        QCOMPARE(rig.launcher.started.join(QString()), started);
        QCOMPARE(rig.messages.messages.size(), started.isEmpty() ? 1 : 0);
        if (started.isEmpty())
            QCOMPARE(rig.messages.messages[0].text,
                     "System Information Is Unavailable At This Time");
        QCOMPARE(rig.registry.tried.contains(ToolsKey), !location1);
        QCOMPARE(rig.registry.closes, rig.registry.tried.size());
        QVERIFY(rig.registry.open.isEmpty());
    }

    // The Linux answer to the first lookup: the first runnable viewer of the
    // list on the search path.
    void desktopRegistryFindsARunnableViewer()
    {
        QTemporaryDir bin;
        QVERIFY(makeFile(bin.filePath("hardinfo2"), false) &&
                makeFile(bin.filePath("cpu-x"), true) && makeFile(bin.filePath("hardinfo"), true));
        about::DesktopRegistry registry({bin.path()}, {});
        Rig rig;
        QString text;
        QVERIFY(SysInfoLauncher(registry, rig.launcher, rig.messages)
                    .readValue(about::Registry::LocalMachine, ViewerKey, ViewerValue, text));
        QCOMPARE(text, bin.filePath("hardinfo"));
    }

    // The sound plays at each load, not when the open box is only raised; OK
    // and Esc unload the box.
    void aboutBoxTextsSoundAndUnload()
    {
        Rig rig;
        QWidget* form = rig.slot.show();
        const auto label = [form](const char* name) {
            return form->findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(label("version"), QStringLiteral("Version 1.0.32"));
        QCOMPARE(label("disclaimer"),
                 "Warning: Although this stop watch is very exact, be careful using it for "
                 "prefessional purposes, since it is Windows-based and - Windows isn't a realtime "
                 "environement! Use a realtime device instead.");
        QTest::mouseClick(form->findChild<QPushButton*>("sysInfoButton"), Qt::LeftButton);
        QCOMPARE(rig.messages.messages.size(), 1);

        const QStringList once{QStringLiteral("Der Microsoft Sound.wav")};
        QCOMPARE(rig.sound.played, once);
        rig.slot.show(); // already open: raised, not loaded again
        QCOMPARE(rig.sound.played, once);
        QTest::mouseClick(form->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        QVERIFY(!rig.slot.isLoaded());
        QPointer<QWidget> again = rig.slot.show();
        QCOMPARE(rig.sound.played, once + once);
        QTest::keyClick(again, Qt::Key_Escape);
        QVERIFY(!rig.slot.isLoaded());
        QTRY_VERIFY(again.isNull());
    }

    // A path too long for the box keeps its file name in view and is given
    // whole in the tooltip.
    void namesTheDatabaseFile()
    {
        Rig rig;
        const QString path = QStringLiteral("/home/user") + QStringLiteral("/deep").repeated(40) +
                             QStringLiteral("/tikkro.mdb");
        about::AboutBox form(rig.sound, rig.sysInfo, path);
        const auto* label = form.findChild<QLabel*>("database");
        QVERIFY(label->text().startsWith(QStringLiteral("Database: /home/")));
        QVERIFY(label->text().endsWith(QStringLiteral("/tikkro.mdb")));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QCOMPARE(label->toolTip(), path);
    }

    // A 14 pt desktop font leaves every text of the fixed layout whole.
    void textsFitUnderALargeFont()
    {
        const QFont ordinary = QApplication::font();
        QFont large = ordinary;
        large.setPointSizeF(14.0);
        QApplication::setFont(large);
        Rig rig;
        QWidget* form = rig.slot.show();
        QStringList clipped;
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            const QRect room = label->contentsRect();
            const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect needed =
                QFontMetrics(label->font())
                    .boundingRect(room, int(label->alignment()) | wrap, label->text());
            if (needed.width() > room.width() || needed.height() > room.height()) {
                clipped << label->objectName();
            }
        }
        QApplication::setFont(ordinary);
        QCOMPARE(clipped, QStringList());
    }
};

QTEST_MAIN(TestAbout)
#include "TestAbout.moc"
