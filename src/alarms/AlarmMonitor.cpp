// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmMonitor.h"

#include "alarms/AlarmStore.h"
#include "alarms/EventLog.h"
#include "settings/DatabaseError.h"
#include "settings/OleDate.h"
#include "ui/DesktopNotifier.h"
#include "ui/MessageService.h"
#include "ui/SoundService.h"
#include "ui/WallClock.h"

namespace tikkro::alarms {

namespace {
const QString CrLf = QStringLiteral("\r\n");
} // namespace

AlarmMonitor::AlarmMonitor(AlarmSlots& slots, AlarmStore& store, EventLog& events,
                           ui::WallClock& clock, ui::SoundService& sound,
                           ui::MessageService& messages, ui::DesktopNotifier& notifier)
    : m_slots(slots), m_store(store), m_events(events), m_clock(clock), m_sound(sound),
      m_messages(messages), m_notifier(notifier), m_clockPattern(QString::fromLatin1(ClockPattern))
{}

QString AlarmMonitor::checkDue()
{
    // One reading serves the whole tick, so every slot firing in it shares
    // the same effective time.
    const QDateTime t = m_clock.now();
    const qint64 now = t.toMSecsSinceEpoch();
    std::optional<QString> effective;
    for (int i = 0; i < 2; ++i) {
        fireIfDue(m_slots.alarms[i], Kind::Alarm, AlarmSlots::alarmKey(i), t, now, effective);
        fireIfDue(m_slots.timers[i], Kind::Timer, AlarmSlots::timerKey(i), t, now, effective);
    }
    return t.toString(m_clockPattern);
}

void AlarmMonitor::fireIfDue(AlarmSlot& slot, Kind kind, qint16 key, const QDateTime& t, qint64 now,
                             std::optional<QString>& effective)
{
    const std::optional<qint64> due = slot.active ? slot.dueInstant() : std::nullopt;
    if (!due || now < *due) {
        return;
    }
    // Disarmed first: whatever happens below, the slot fires only once.
    slot.active = false;
    m_sound.play(kind == Kind::Alarm ? QStringLiteral("notify.wav") : QStringLiteral("ringin.wav"));
    // Nothing due is the usual tick, so the effective time is formatted only
    // once something fires.
    if (!effective) {
        effective = m_generalDate.format(t);
    }
    const QString title =
        (kind == Kind::Alarm ? QStringLiteral("Alarm '") : QStringLiteral("Timer '")) + slot.name;
    // Due times fall on whole seconds and the ticks on every half second,
    // so a slot watched while due rings within half a second; a second or
    // more means the program was closed, asleep or held up. The times are
    // compared, not their texts: a due time at midnight shows no time of
    // day, and the hour the clocks repeat in autumn reads the same twice.
    const bool late = now - *due >= 1000;
    logEvent(title, *effective, m_generalDate.format(QDateTime::fromMSecsSinceEpoch(*due)), late,
             key);
}

void AlarmMonitor::logEvent(const QString& title, const QString& effective, const QString& due,
                            bool late, qint16 key)
{
    const QString mark = late ? QStringLiteral(" !!!") : QString();
    QString s = m_events.showAndReadText();
    if (!s.isEmpty()) {
        s += CrLf;
    }
    s += title + QStringLiteral("':") + CrLf;
    s += QStringLiteral("    was due at: ") + due + CrLf;
    s += QStringLiteral("    effective at: ") + effective + mark + CrLf;
    m_events.setText(s);
    // Seen even while the program's windows are covered or minimised.
    m_notifier.notify(
        title + QStringLiteral("'"),
        QStringLiteral("was due at: %1\neffective at: %2%3").arg(due, effective, mark));

    try {
        m_store.saveArmedFlag(key);
    } catch (const settings::DatabaseError& error) {
        // The tick must go on: the slot is disarmed and its entry shown, only
        // the stored flag could not follow.
        m_messages.showModeless(
            QStringLiteral("The alarm or timer that just rang could not be stored as done; it "
                           "may ring again after the next start.\n\n%1")
                .arg(error.description()),
            ui::MessageService::Icon::Warning, QStringLiteral("Tikkro"));
    }
}

} // namespace tikkro::alarms
