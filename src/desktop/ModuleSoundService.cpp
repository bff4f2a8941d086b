// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ModuleSoundService.h"

#include "core/LoadableModule.h"

#include <QDebug>

namespace tikkro::desktop {

ModuleSoundService::ModuleSoundService(QString soundsFolder, QString moduleName)
    : m_folder(std::move(soundsFolder)), m_moduleName(std::move(moduleName))
{}

void ModuleSoundService::load()
{
    if (m_loadTried) {
        return;
    }
    m_loadTried = true;
    core::LoadableModule module(m_moduleName);
    MakeService* const make = module.entry<MakeService>(MakeServiceSymbol);
    if (make == nullptr) {
        qWarning().noquote() << "Sounds are off:" << module.errorString();
        return;
    }
    m_sound.reset(make(m_folder));
}

void ModuleSoundService::play(const QString& bareName)
{
    load();
    if (m_sound) {
        m_sound->play(bareName);
    }
}

} // namespace tikkro::desktop
