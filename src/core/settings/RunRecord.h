// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <algorithm>

namespace tikkro::settings {

// The stopwatch run as the settings file keeps it between two starts: the
// log strip's text, the watch's state and elapsed time when it was saved,
// and whether the program ended it by Exit or its close button. A run that
// did not end cleanly is brought back at the next start.
struct RunRecord
{
    // Stored as numbers; the values are part of the file's format.
    enum class Watch
    {
        Reset = 0,
        Running = 1,
        Paused = 2,
    };

    QString log;
    Watch watch = Watch::Reset;
    qint64 elapsedMs = 0;
    // The wall clock when this was taken.
    QDateTime savedAt;
    // The start moment the run's header line shows; invalid after Reset.
    QDateTime startedAt;
    bool endedCleanly = false;

    // The elapsed time at `now`: a running watch counts on by the wall clock
    // from the save, never backwards when the clock was set back.
    qint64 elapsedAt(const QDateTime& now) const
    {
        if (watch != Watch::Running || !savedAt.isValid()) {
            return elapsedMs;
        }
        return elapsedMs + std::max<qint64>(0, savedAt.msecsTo(now));
    }
};

} // namespace tikkro::settings
