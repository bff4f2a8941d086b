// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::desktop {

// Plays a sound file given by bare name, asynchronously. Starting a sound
// stops the program's sound that is still playing. Never reports failure:
// a missing file plays the default sound, a machine without audio is silent.
class SoundService
{
public:
    virtual ~SoundService() = default;
    virtual void play(const QString& bareName) = 0;
};

} // namespace tikkro::desktop
