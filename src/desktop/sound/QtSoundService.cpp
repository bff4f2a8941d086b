// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/sound/QtSoundService.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tikkro::desktop {

QtSoundService::QtSoundService(QString soundsFolder) : m_folder(std::move(soundsFolder)) {}

// Out of line, where QSoundEffect is complete; the effects stop as they go.
QtSoundService::~QtSoundService() = default;

QString QtSoundService::findInFolder(const QString& bareName) const
{
    if (bareName.isEmpty() || bareName.contains(QLatin1Char('/')) ||
        bareName.contains(QLatin1Char('\\')) || bareName == QLatin1String(".") ||
        bareName == QLatin1String("..")) {
        return {};
    }
    const QDir folder(m_folder);
    const QFileInfo exact(folder.filePath(bareName));
    if (exact.isFile()) {
        return exact.absoluteFilePath();
    }
    const QStringList files = folder.entryList(QDir::Files | QDir::Readable);
    for (const QString& file : files) {
        if (file.compare(bareName, Qt::CaseInsensitive) == 0) {
            return folder.absoluteFilePath(file);
        }
    }
    return {};
}

QString QtSoundService::resolve(const QString& bareName) const
{
    const QString found = findInFolder(bareName);
    return found.isEmpty() ? findInFolder(QString::fromLatin1(DefaultSound)) : found;
}

void QtSoundService::play(const QString& bareName)
{
    // A new sound cuts off the one still playing, whether or not it can be
    // played itself.
    if (m_playing != nullptr) {
        m_playing->stop();
        m_playing = nullptr;
    }
    // Without an audio device every effect would complain on each play; stay
    // silent instead. Qt answers this from its cached device list.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return;
    }
    const QString file = resolve(bareName);
    if (file.isEmpty()) {
        return;
    }
    std::unique_ptr<QSoundEffect>& effect = m_effects[file];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
    }
    // Loading is asynchronous; a play before it ends is queued by Qt.
    effect->play();
    m_playing = effect.get();
}

} // namespace tikkro::desktop
