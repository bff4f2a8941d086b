// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSaveFile>

namespace tikkro::fakes {

// A save file on a disk that may be full: then every write fails as the
// system's does.
class FullDiskSaveFile final : public QSaveFile
{
public:
    FullDiskSaveFile(const QString& path, bool full) : QSaveFile(path), m_full(full) {}

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (!m_full) {
            return QSaveFile::writeData(data, length);
        }
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }

private:
    bool m_full;
};

} // namespace tikkro::fakes
