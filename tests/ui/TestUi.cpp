// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowTimer.h"
#include "desktop/DBusDesktopNotifier.h"
#include "desktop/ModuleSoundService.h"
#include "desktop/sound/QtSoundService.h"
#include "fakes/FakeNotificationServer.h"
#include "fakes/FakeWindowPixelWriter.h"
#include "placement/Twips.h"
#include "widgets/DisplayField.h"
#include "widgets/LazyWindow.h"

#include "TestSupport.h"
#include <QAudioDevice>
#include <QDBusArgument>
#include <QDBusPendingCallWatcher>
#include <QMediaDevices>
#include <QSoundEffect>

#include <algorithm>
#include <atomic>
#include <span>

using namespace tikkro::core;
using namespace tikkro::widgets;
using namespace tikkro::desktop;
using namespace tikkro::placement;

// ctest runs it on a private session bus, for the fake notification server.
class TestUi : public QObject
{
    Q_OBJECT
    const QString builtSounds = QStringLiteral(TIKKRO_SOUNDS_DIR);

    // A display field showing text, away from its window's corner as in the
    // main window, and the windows y apart, for an X server reads only what
    // is on screen.
    static bool shown(QWidget& window, DisplayField& field, const QString& text, int y)
    {
        window.setGeometry(0, y, 420, 100);
        field.setGeometry(10, 10, 400, 80);
        field.setText(text);
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    static QImage image(const QWidget& window)
    {
        return window.screen()->grabWindow(window.winId()).toImage();
    }

private Q_SLOTS:
    void twipsConvert_data()
    {
        addColumns<int, int>({"twips", "pixels"});
        QTest::newRow("just below half") << 7 << 0;
        QTest::newRow("half rounds away") << 8 << 1;
    }
    void twipsConvert()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(toPixels(twips), pixels);
        QCOMPARE(toPixels(static_cast<double>(twips)), pixels);
    }

    // Suspended, the timer keeps its interval, for the watch reads it as its
    // running flag; resumed, it ticks at once, but a stopped one stays quiet.
    void suspendedTimerTicksAtOnceOnResume()
    {
        WindowTimer timer;
        timer.setInterval(60'000);
        timer.setSuspended(true);
        QSignalSpy ticks(&timer, &WindowTimer::tick);
        timer.setSuspended(false);
        QVERIFY(ticks.wait(5'000));
        QCOMPARE(timer.interval(), 60'000);
        timer.setSuspended(true);
        timer.setInterval(0);
        timer.setSuspended(false);
        QVERIFY(!timer.isTicking());
    }

    // A running display changes its hundredths 66 times a second; assistive
    // technology hears of whole seconds and of changes of form only.
    void displayTellsOnlyCoarseChanges_data()
    {
        addColumns<QString, QString, bool>({"told", "text", "worth"});
        QTest::newRow("hundredths") << "00:00:12.01"
                                    << "00:00:12.34" << false;
        QTest::newRow("next second") << "00:00:12.99"
                                     << "00:00:13.00" << true;
        QTest::newRow("clock field") << "05.12.26   09:57:37"
                                     << "05.12.26   09:57:38" << true;
    }
    void displayTellsOnlyCoarseChanges()
    {
        QFETCH(QString, told);
        QFETCH(QString, text);
        QTEST(DisplayField::isWorthAnnouncing(told, text), "worth");
    }

    // Esc only hides a dialog; the slot must still count it as unloaded.
    void lazyWindowLoadsOnceAndForgetsOnClose()
    {
        int made = 0;
        LazyWindow<QDialog> slot([&made] {
            ++made;
            return new QDialog;
        });
        QDialog* dialog = slot.show();
        QCOMPARE(slot.show(), dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!slot.isLoaded());
        slot.show();
        QCOMPARE(made, 2);
    }

    // Only the characters that changed are painted again, over what was
    // there: the window must show what a field painted whole shows, whether
    // Qt paints them or they are written straight into the window. Qt's copy
    // of the window lacks what was written, so when the window shows anew
    // the field must be painted again.
    void displayPaintsAsIfWhole_data()
    {
        addColumns<QString, QString, int, bool>({"before", "after", "pointSize", "fake"});
        for (const bool fake : {false, true}) {
            const char* writer = fake ? "written" : "platform";
            QTest::addRow("%s: last digits", writer) << "00:00:12.34"
                                                     << "00:00:12.56" << 0 << fake;
            QTest::addRow("%s: narrower", writer) << "WW:WW"
                                                  << "ii:ii" << 0 << fake;
            QTest::addRow("%s: larger font", writer) << "00:00:12.34"
                                                     << "00:00:12.56" << 30 << fake;
            // The f reaches over the glyph after it.
            QTest::addRow("%s: reaching glyph", writer) << "f0"
                                                        << "f1" << 30 << fake;
        }
    }
    void displayPaintsAsIfWhole()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, pointSize);
        QFETCH(bool, fake);
        QWidget window;
        auto* field = new DisplayField(before, &window);
        QImage written;
        if (fake) {
            field->setPixelWriter(std::make_unique<tikkro::fakes::FakeWindowPixelWriter>(&written));
        }
        QVERIFY(shown(window, *field, before, 0));
        QFont font = field->font();
        font.setPointSize(pointSize > 0 ? pointSize : font.pointSize());
        field->setFont(font);
        QCoreApplication::processEvents();
        written = image(window);
        field->setText(after);
        QWidget wholeWindow;
        auto* whole = new DisplayField(before, &wholeWindow);
        whole->setFont(font);
        QVERIFY(shown(wholeWindow, *whole, after, 300));
        QCOMPARE(fake ? written : image(window), image(wholeWindow));
        QExposeEvent shownAnew(QRegion(window.rect()));
        QCoreApplication::sendEvent(window.windowHandle(), &shownAnew);
        QCOMPARE(image(window), image(wholeWindow));
    }

    // A display refreshing itself from a thread shows what a field painted
    // whole shows, across a repaint of Qt's in the window, and hands the
    // text back when its source ends.
    void displayTicksAsIfWhole_data()
    {
        addColumns<bool>({"fake"});
        QTest::newRow("platform") << false;
        QTest::newRow("written") << true;
    }
    void displayTicksAsIfWhole()
    {
        QFETCH(bool, fake);
        const QStringList texts{"00:00:12.35", "00:00:12.99", "00:00:13.00", "00:00:19.87"};
        QWidget wholeWindow;
        QVERIFY(
            shown(wholeWindow, *new DisplayField(texts.back(), &wholeWindow), texts.back(), 300));
        QWidget window;
        auto* field = new DisplayField(texts.front(), &window);
        QImage written;
        if (fake) {
            field->setPixelWriter(std::make_unique<tikkro::fakes::FakeWindowPixelWriter>(&written));
        }
        QVERIFY(shown(window, *field, "00:00:12.34", 0));
        written = image(window);
        std::atomic<int> next = 0;
        std::atomic<bool> done = false;
        const auto source = [&](std::span<char16_t, DisplayTicker::MaxLength> text) -> qsizetype {
            if (done) {
                return 0;
            }
            const QString& shown = texts.at(std::min<qsizetype>(next++, texts.size() - 1));
            std::copy_n(shown.utf16(), shown.size(), text.begin());
            return shown.size();
        };
        if (!field->startTicking(source, std::chrono::milliseconds(5))) {
            QVERIFY(!fake);
            QSKIP("Qt paints here: no window to write into");
        }
        QSignalSpy ended(field, &DisplayField::tickingEnded);
        QTRY_COMPARE(field->text(), texts.back());
        QCOMPARE(fake ? written : image(window), image(wholeWindow));
        if (!fake) {
            QExposeEvent shownAnew(QRegion(window.rect()));
            QCoreApplication::sendEvent(window.windowHandle(), &shownAnew);
            const int ticked = next;
            QTRY_VERIFY(next > ticked + 1);
        }
        done = true;
        QVERIFY(ended.wait(5'000));
        QVERIFY(!field->isTicking());
        QCOMPARE(field->text(), texts.back());
        QCOMPARE(fake ? written : image(window), image(wholeWindow));
    }

    void resolve_data()
    {
        addColumns<QString, QString>({"name", "resolved"});
        QTest::newRow("any case") << "RingIn.WAV"
                                  << "ringin.wav";
        QTest::newRow("missing: default") << "Der Microsoft Sound.wav"
                                          << "default.wav";
        QTest::newRow("stays in the folder") << "../notify.wav"
                                             << "default.wav";
    }
    void resolve()
    {
        QFETCH(QString, name);
        QFETCH(QString, resolved);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("sounds"));
        for (const char* file : {"sounds/default.wav", "sounds/ringin.wav", "notify.wav"}) {
            QVERIFY(QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
        }
        const QtSoundService sound(folder.filePath("sounds"));
        QCOMPARE(sound.resolve(name), folder.filePath("sounds/" + resolved));
    }

    // Qt may complain once about a missing audio server, but never again
    // for each sound; and every sound the build generates loads.
    void playStaysQuietAndBuiltSoundsLoad()
    {
        QtSoundService sound(builtSounds);
        sound.play(QStringLiteral("notify.wav"));
        const bool noDevice = QMediaDevices::defaultAudioOutput().isNull();
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (int i = 0; i < 10; ++i) {
            for (const char* name : {"notify.wav", "ringin.wav", "Der Microsoft Sound.wav"}) {
                sound.play(QString::fromLatin1(name));
            }
        }
        // Qt loads sounds on a thread of its own, in turn, and complains once
        // one is loaded: these load after the service's.
        for (const char* name : {"default.wav", "notify.wav", "ringin.wav"}) {
            if (noDevice) {
                QTest::ignoreMessage(QtWarningMsg, "No audio device detected");
            }
            QSoundEffect effect;
            effect.setSource(QUrl::fromLocalFile(builtSounds + "/" + name));
            QTRY_COMPARE(effect.status(), QSoundEffect::Ready);
        }
    }

    // Without its module the program plays nothing, says why once and does
    // not look for the module again.
    void missingSoundModuleWarnsOnce()
    {
        ModuleSoundService sound(builtSounds, QStringLiteral("tikkro-missing"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("tikkro-missing")));
        sound.play(QStringLiteral("notify.wav"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        sound.play(QStringLiteral("ringin.wav"));
    }

    // The summary and body go as given, with the buttons and without the
    // desktop's sound; a refusal costs nothing but its own notification.
    // "Show" and a click on a notification shown ask for the events window;
    // another key, or a notification the server refused, does not.
    void notifier()
    {
        tikkro::fakes::FakeNotificationServer server;
        QVERIFY(server.start());
        server.failing = true;
        DBusDesktopNotifier notifier(QStringLiteral("Tikkro"), QStringLiteral("tikkro"));
        QSignalSpy shows(&notifier, &DBusDesktopNotifier::showRequested);
        notifier.notify(QStringLiteral("Alarm 'Wake'"), QStringLiteral("refused"));
        QTRY_COMPARE(server.calls.size(), 1);
        QCOMPARE(server.calls.first().at(5).toStringList(), QStringList());
        server.failing = false;
        server.capabilities = QStringList{"body", "actions"};
        notifier.notify(QStringLiteral("Timer '<b>Tea</b>'"), QStringLiteral("due\n!!!"));
        QTRY_COMPARE(server.calls.size(), 2);
        const QVariantList call = server.calls.last();
        QCOMPARE(call.mid(3, 2), (QVariantList{"Timer '<b>Tea</b>'", "due\n!!!"}));
        QVERIFY(call.at(5).toStringList().contains(QStringLiteral("show")));
        const auto hints = qdbus_cast<QVariantMap>(call.at(6).value<QDBusArgument>());
        QCOMPARE(hints.value(QStringLiteral("suppress-sound")).toBool(), true);
        QTRY_VERIFY(notifier.findChildren<QDBusPendingCallWatcher*>().isEmpty());
        server.pressButton(7, QStringLiteral("show"));
        server.pressButton(1, QStringLiteral("show"));
        server.pressButton(2, QStringLiteral("dismiss"));
        server.pressButton(2, QStringLiteral("show"));
        server.pressButton(2, QStringLiteral("default"));
        QTRY_COMPARE(shows.size(), 2);
    }
};

TIKKRO_TEST(TestUi)
#include "TestUi.moc"
