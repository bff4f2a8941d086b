// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::about {

// Starts another program by its path, detached, without a shell and without
// waiting for it. Returns false when the program could not be started.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    virtual bool start(const QString& program) = 0;
};

} // namespace tikkro::about
