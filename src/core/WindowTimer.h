// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IntervalTimer.h"

#include <QObject>
#include <QTimer>

namespace tikkro::core {

// QTimer with the window-timer contract. Precise timing matters here: the
// default coarse timer may fire up to 5% late, which a 15 ms refresh shows.
// A suspended timer keeps its interval but does not tick, so whoever reads
// the interval as a running flag sees no difference; it ticks once at once
// when it is resumed, and then on its interval. A timer whose ticks are
// taken over elsewhere, such as by a display that refreshes itself, rests
// while they are, and goes on at its interval after.
class WindowTimer : public QObject, public IntervalTimer
{
    Q_OBJECT
public:
    explicit WindowTimer(QObject* parent = nullptr);

    int interval() const override;
    void setInterval(int milliseconds) override;

    void setSuspended(bool suspended);
    bool isSuspended() const { return m_suspended; }
    void setTakenOver(bool takenOver);
    // Whether it really ticks: running, not suspended and not taken over.
    bool isTicking() const { return m_timer.isActive(); }

Q_SIGNALS:
    void tick();
    void suspendedChanged(bool suspended);

private:
    // Starts or stops the timer for the interval and the two rests.
    void apply(bool tickAtOnce);

    QTimer m_timer;
    int m_interval = 0;
    bool m_suspended = false;
    bool m_takenOver = false;
};

} // namespace tikkro::core
