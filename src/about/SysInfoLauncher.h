// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/ProgramLauncher.h"
#include "about/Registry.h"

#include <QString>
#include <stdexcept>

namespace tikkro::ui {
class MessageService;
}

namespace tikkro::about {

// Finds the system information viewer through two registry lookups and
// starts it; any failure on the way ends in one fixed message.
class SysInfoLauncher
{
public:
    // A value the registry returned but that cannot be read as text.
    class ValueError : public std::runtime_error
    {
    public:
        using std::runtime_error::runtime_error;
    };

    static constexpr const char* ViewerKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char* ViewerValue = "PATH";
    static constexpr const char* ToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr const char* ToolsValue = "MSINFO";
    // The viewer looked for in the tools folder when no dedicated one is set.
    static constexpr const char* FallbackViewer = "/gnome-system-monitor";
    static constexpr const char* Unavailable = "System Information Is Unavailable At This Time";

    // Query value, set value, create sub-key, enumerate sub-keys, notify,
    // create link and read control.
    static constexpr quint32 KeyAccess = 0x2003F;
    static constexpr int ValueBufferSize = 1024;

    SysInfoLauncher(Registry& registry, ProgramLauncher& launcher, ui::MessageService& messages);

    // Reads one value as text into `keyVal`. False, with `keyVal` emptied,
    // when the key or value cannot be read or the value is over 1024 bytes.
    // Strings and 32-bit numbers become text; other types are read but leave
    // `keyVal` as it was. Throws ValueError for a value of no bytes at all.
    // The key is closed on every way out.
    bool readValue(quint32 keyRoot, const QString& keyName, const QString& subKeyRef,
                   QString& keyVal);

    // Starts the viewer named by the first lookup, else the one in the folder
    // named by the second; otherwise tells the user it is unavailable.
    void launch();

private:
    Registry& m_registry;
    ProgramLauncher& m_launcher;
    ui::MessageService& m_messages;
};

} // namespace tikkro::about
