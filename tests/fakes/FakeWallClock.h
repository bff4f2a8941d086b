// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WallClock.h"

namespace tikkro::fakes {

class FakeWallClock final : public core::WallClock
{
public:
    explicit FakeWallClock(QDateTime now = QDateTime(QDate(2026, 12, 5), QTime(9, 57, 37)))
        : m_now(std::move(now))
    {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};

} // namespace tikkro::fakes
