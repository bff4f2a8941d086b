// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/IntervalTimer.h"

#include <QObject>
#include <QTimer>

namespace tikkro::ui {

// QTimer with the window-timer contract. Precise timing matters here: the
// default coarse timer may fire up to 5% late, which a 15 ms refresh shows.
class WindowTimer : public QObject, public IntervalTimer
{
    Q_OBJECT
public:
    explicit WindowTimer(QObject* parent = nullptr);

    int interval() const override;
    void setInterval(int milliseconds) override;

Q_SIGNALS:
    void tick();

private:
    QTimer m_timer;
};

} // namespace tikkro::ui
