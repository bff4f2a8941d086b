// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/SoundService.h"

namespace tikkro::fakes {

class FakeSoundService final : public desktop::SoundService
{
public:
    void play(const QString& bareName) override { played.append(bareName); }
    QStringList played;
};

} // namespace tikkro::fakes
