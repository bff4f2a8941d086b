// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSaveFile>

namespace tikkro::fakes {

// A save file on a disk with room for only `room` more bytes: it writes what
// fits, then fails as the system does when the disk is full.
class FullDiskSaveFile final : public QSaveFile
{
public:
    FullDiskSaveFile(const QString& path, qint64 room) : QSaveFile(path), m_room(room) {}

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 fits = std::min(length, m_room);
        if (fits > 0 && QSaveFile::writeData(data, fits) != fits) {
            return -1;
        }
        m_room -= fits;
        if (fits < length) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return length;
    }

private:
    qint64 m_room;
};

} // namespace tikkro::fakes
