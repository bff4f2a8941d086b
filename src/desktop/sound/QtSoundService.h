// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/SoundService.h"

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace tikkro::desktop {

// Plays the program's own wave files from its sounds folder with Qt
// Multimedia. Nothing here waits for a sound: without an audio device Qt
// reports a sound as playing long after it has ended, so the service only
// ever starts and stops.
class QtSoundService final : public SoundService
{
public:
    // The sound played for a name that is not in the folder.
    static constexpr const char* DefaultSound = "default.wav";

    // The program passes its own folder + "/sounds"; tests pass a scratch one.
    explicit QtSoundService(QString soundsFolder);
    ~QtSoundService() override;
    QtSoundService(const QtSoundService&) = delete;
    QtSoundService& operator=(const QtSoundService&) = delete;

    void play(const QString& bareName) override;

    // The file a bare name plays: the file of that name in the sounds folder
    // (exact spelling first, then ignoring case, as names were written for a
    // case-blind file system), else the default sound, else nothing (empty).
    // A name with a folder part never reaches outside the sounds folder.
    QString resolve(const QString& bareName) const;

private:
    QString findInFolder(const QString& bareName) const;

    QString m_folder;
    // One loaded effect per file, kept for quick replays.
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace tikkro::desktop
