// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/ProgramLauncher.h"

#include <QStringList>

namespace tikkro::fakes {

// Starts nothing; records what it was asked to start and succeeds only for the
// programs it is told exist.
class FakeProgramLauncher final : public about::ProgramLauncher
{
public:
    bool start(const QString& program) override
    {
        if (!startable.contains(program)) {
            return false;
        }
        started.append(program);
        return true;
    }

    QStringList startable;
    QStringList started;
};

} // namespace tikkro::fakes
