// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSaveFile>

namespace tikkro::fakes {

// A save file on a full disk: every write fails as the system's does.
class FullDiskSaveFile final : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char* /*data*/, qint64 /*length*/) override
    {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};

} // namespace tikkro::fakes
