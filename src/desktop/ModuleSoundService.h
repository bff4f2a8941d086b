// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/SoundService.h"

#include <QString>
#include <memory>

namespace tikkro::desktop {

// Plays through the sound module, loaded on the first play, so that a
// program that never rings maps none of Qt Multimedia and the audio
// libraries under it. Without the module it stays silent, and says why once.
class ModuleSoundService final : public SoundService
{
public:
    // The module's entry, named MakeServiceSymbol: a new service playing from
    // the given sounds folder, owned by the caller.
    using MakeService = SoundService*(const QString& soundsFolder);
    static constexpr const char* MakeServiceSymbol = "tikkro_make_sound_service";

    // The program passes its sounds folder and the installed module; tests
    // name a module that is missing.
    explicit ModuleSoundService(QString soundsFolder,
                                QString moduleName = QStringLiteral("tikkro-sound"));

    void play(const QString& bareName) override;

private:
    // Tried once: a module that failed to load is not tried again. Loading
    // takes a few milliseconds, so the first sound is not noticeably late.
    void load();

    QString m_folder;
    QString m_moduleName;
    bool m_loadTried = false;
    std::unique_ptr<SoundService> m_sound;
};

} // namespace tikkro::desktop
