// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/ProgramLauncher.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace tikkro::desktop {
class MessageService;
}

namespace tikkro::about {

// Finds an installed system information viewer by its program name and
// starts it; when there is none, or it does not start, the user gets one
// fixed message.
class SysInfoLauncher
{
    Q_DECLARE_TR_FUNCTIONS(SysInfoLauncher)

public:
    // The full path of the runnable program of that name, or empty when
    // there is none.
    using ProgramLookup = std::function<QString(const QString& name)>;

    // Searches the folders of the PATH variable.
    static QString findOnPath(const QString& name);

    SysInfoLauncher(ProgramLookup findProgram, ProgramLauncher& launcher,
                    desktop::MessageService& messages);

    // Starts the first installed viewer of a short list of well-known ones. A viewer that
    // is found but does not start is reported, not passed over: the user
    // learns that the viewer of choice is broken.
    void launch();

private:
    ProgramLookup m_findProgram;
    ProgramLauncher& m_launcher;
    desktop::MessageService& m_messages;
};

} // namespace tikkro::about
