// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/ProgramLauncher.h"

namespace tikkro::fakes {

// Starts nothing; records what it started, which are only the programs it is
// told exist.
class FakeProgramLauncher final : public about::ProgramLauncher
{
public:
    bool start(const QString& program) override
    {
        if (startable.contains(program))
            started.append(program);
        return startable.contains(program);
    }

    QStringList startable;
    QStringList started;
};

} // namespace tikkro::fakes
