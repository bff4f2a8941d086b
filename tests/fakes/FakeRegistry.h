// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/Registry.h"

#include <QMap>
#include <QSet>
#include <QStringList>

namespace tikkro::fakes {

// An in-memory registry under the local-machine root. Key n is the n-th key
// asked for; the keys still open are kept so tests can see none is left open.
class FakeRegistry final : public about::Registry
{
public:
    struct Value
    {
        quint32 type = String;
        QByteArray bytes;
    };

    // A string stored with its terminating zero, as the system stores them.
    static Value string(const QByteArray& text) { return {String, text + '\0'}; }

    bool openKey(quint32 root, const QString& keyName, quint32, Key& key) override
    {
        tried.append(keyName);
        if (root != LocalMachine || !keys.contains(keyName))
            return false;
        open.insert(key = static_cast<Key>(tried.size()));
        return true;
    }

    bool queryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer,
                    quint32& size) override
    {
        const auto values = keys.value(open.contains(key) ? tried.value(key - 1) : QString());
        const Value value = values.value(valueName);
        size = static_cast<quint32>(value.bytes.size());
        if (!values.contains(valueName) || value.bytes.size() > buffer.size())
            return false;
        std::copy(value.bytes.cbegin(), value.bytes.cend(), buffer.begin());
        type = value.type;
        return true;
    }

    void closeKey(Key key) override
    {
        ++closes;
        open.remove(key);
    }

    QMap<QString, QMap<QString, Value>> keys; // key name -> value name -> value
    QStringList tried;                        // keys asked for, opened or not
    QSet<Key> open;
    int closes = 0;
};

} // namespace tikkro::fakes
