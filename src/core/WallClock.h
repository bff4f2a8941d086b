// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

namespace tikkro::core {

// The local date and time of day, as the system clock gives it.
class WallClock
{
public:
    virtual ~WallClock() = default;
    virtual QDateTime now() const = 0;
};

class SystemWallClock final : public WallClock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace tikkro::core
