// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tikkro::about {

// The hierarchical key-value store the About box reads to find the system
// information viewer, reduced to the three calls it makes. Linux has no such
// store; DesktopRegistry answers the two lookups from the installed programs,
// and tests use an in-memory one.
class Registry
{
public:
    using Key = quintptr; // 0 is no key

    static constexpr quint32 LocalMachine = 0x80000002;

    // Value types
    static constexpr quint32 String = 1;
    static constexpr quint32 Number32 = 4;

    virtual ~Registry() = default;

    // Opens `keyName` under `root` with the given access rights; on failure
    // returns false and leaves `key` as it was.
    virtual bool openKey(quint32 root, const QString& keyName, quint32 access, Key& key) = 0;

    // Copies the value's bytes into `buffer`, whose size is the room there is,
    // and reports the value's type and its size in bytes. A value that does
    // not fit, or that is missing, fails.
    virtual bool queryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer,
                            quint32& size) = 0;

    // Called for every key the caller tried to open, even one that failed
    // (then with 0).
    virtual void closeKey(Key key) = 0;
};

} // namespace tikkro::about
