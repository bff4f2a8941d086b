// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ModuleSoundService.h"
#include "desktop/sound/QtSoundService.h"

#include <type_traits>

using tikkro::desktop::SoundService;

extern "C" Q_DECL_EXPORT SoundService* tikkro_make_sound_service(const QString& soundsFolder)
{
    return new tikkro::desktop::QtSoundService(soundsFolder);
}

static_assert(std::is_same_v<decltype(tikkro_make_sound_service),
                             tikkro::desktop::ModuleSoundService::MakeService>);
