// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/alarms/AlarmSlot.h"

#include <array>
#include <optional>

namespace tikkro::alarms {

// The program's two alarms and two countdown timers, and which of them the
// Set/Edit dialogs work on. One instance lives for the whole program, owned
// by the application and handed to whoever needs it; no window holds it.
struct AlarmSlots
{
    std::array<AlarmSlot, 2> alarms;
    std::array<AlarmSlot, 2> timers;
    qint16 currentAlarm = 0;
    qint16 currentTimer = 0;

    enum class Kind
    {
        Alarm,
        Timer
    };

    // Store keys: alarm slot k is key k, timer slot k is key 100 + k.
    static qint16 alarmKey(int slot) { return static_cast<qint16>(slot); }
    static qint16 timerKey(int slot) { return static_cast<qint16>(100 + slot); }
    static Kind kindOfKey(qint16 key) { return key <= 99 ? Kind::Alarm : Kind::Timer; }
    static int slotOfKey(qint16 key) { return key <= 99 ? key : key - 100; }

    // Each kind has slots 0 and 1.
    static bool isSlotNumber(int slot) { return slot >= 0 && slot <= 1; }

    // The moment the first armed slot with a usable due time falls due, in
    // milliseconds since 1970 UTC; none while nothing is armed.
    std::optional<qint64> earliestDueInstant() const
    {
        std::optional<qint64> earliest;
        for (const auto* kind : {&alarms, &timers}) {
            for (const AlarmSlot& slot : *kind) {
                const std::optional<qint64> due = slot.active ? slot.dueInstant() : std::nullopt;
                if (due && (!earliest || *due < *earliest)) {
                    earliest = due;
                }
            }
        }
        return earliest;
    }

    // The slot a store key names, or nullptr for a key that maps to none of
    // the four (2 to 99, 102 and above, negative).
    AlarmSlot* slotForKey(qint16 key)
    {
        const int slot = slotOfKey(key);
        if (!isSlotNumber(slot)) {
            return nullptr;
        }
        return kindOfKey(key) == Kind::Alarm ? &alarms[slot] : &timers[slot];
    }
};

} // namespace tikkro::alarms
