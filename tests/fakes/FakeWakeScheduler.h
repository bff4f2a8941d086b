// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/WakeScheduler.h"

#include <QList>

#include <optional>

namespace tikkro::fakes {

// Records what the service manager would be told: each moment handed over,
// and none for each cancel.
class FakeWakeScheduler final : public desktop::WakeScheduler
{
public:
    void scheduleStart(qint64 msSinceEpoch) override { handed.append(msSinceEpoch); }
    void cancel() override { handed.append(std::nullopt); }

    QList<std::optional<qint64>> handed;
};

} // namespace tikkro::fakes
