// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/QtProgramLauncher.h"

#include <QProcess>

namespace tikkro::about {

bool QtProgramLauncher::start(const QString& program)
{
    // Qt would warn about an empty program; it simply cannot be started.
    if (program.isEmpty()) {
        return false;
    }
    // The path is run as it stands, never through a shell, so blanks or
    // shell characters in it are just part of the name.
    return QProcess::startDetached(program, {});
}

} // namespace tikkro::about
