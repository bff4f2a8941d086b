// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/SysInfoLauncher.h"

#include "desktop/MessageService.h"

#include <QStandardPaths>
#include <array>

namespace tikkro::about {

namespace {

// Viewers that report on the whole system come first, the one still
// maintained before its predecessor; then the desktops' own information
// centres; then a hardware-only report; and last the resource monitor that
// a plain GNOME desktop has, which at least shows the processor and memory.
constexpr std::array Viewers{"hardinfo2", "hardinfo", "kinfocenter", "cpu-x",
                             "gnome-system-monitor"};

} // namespace

QString SysInfoLauncher::findOnPath(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

SysInfoLauncher::SysInfoLauncher(ProgramLookup findProgram, ProgramLauncher& launcher,
                                 desktop::MessageService& messages)
    : m_findProgram(std::move(findProgram)), m_launcher(launcher), m_messages(messages)
{}

void SysInfoLauncher::launch()
{
    QString path;
    for (const char* viewer : Viewers) {
        path = m_findProgram(QString::fromLatin1(viewer));
        if (!path.isEmpty()) {
            break;
        }
    }
    if (path.isEmpty() || !m_launcher.start(path)) {
        m_messages.show(tr("System Information Is Unavailable At This Time"),
                        desktop::MessageService::Icon::None);
    }
}

} // namespace tikkro::about
