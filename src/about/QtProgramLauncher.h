// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/ProgramLauncher.h"

namespace tikkro::about {

class QtProgramLauncher final : public ProgramLauncher
{
public:
    bool start(const QString& program) override;
};

} // namespace tikkro::about
