// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

namespace tikkro::fakes {

// The process's local time zone, switched for as long as this lives. Make
// it before any local date-time of the test, as one made earlier keeps the
// offset it was made with.
class LocalZone
{
public:
    explicit LocalZone(const QByteArray& zone) : m_saved(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone()
    {
        qputenv("TZ", m_saved);
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    QByteArray m_saved;
};

} // namespace tikkro::fakes
