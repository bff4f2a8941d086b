// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/Registry.h"

#include <QMap>
#include <QStringList>

namespace tikkro::fakes {

// An in-memory registry under the local-machine root. It counts opened and
// closed keys so tests can see that none is left open.
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
        if (root != LocalMachine || !keys.contains(keyName)) {
            return false;
        }
        key = static_cast<Key>(tried.size());
        m_open.insert(key, keyName);
        return true;
    }

    bool queryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer,
                    quint32& size) override
    {
        const auto values = keys.value(m_open.value(key));
        if (!m_open.contains(key) || !values.contains(valueName)) {
            return false;
        }
        const Value value = values.value(valueName);
        size = static_cast<quint32>(value.bytes.size());
        if (value.bytes.size() > buffer.size()) {
            return false;
        }
        std::copy(value.bytes.cbegin(), value.bytes.cend(), buffer.begin());
        type = value.type;
        return true;
    }

    void closeKey(Key key) override
    {
        ++closes;
        m_open.remove(key);
    }

    int openKeys() const { return static_cast<int>(m_open.size()); }

    QMap<QString, QMap<QString, Value>> keys; // key name -> value name -> value
    QStringList tried;                        // keys asked for, opened or not
    int closes = 0;

private:
    QMap<Key, QString> m_open;
};

} // namespace tikkro::fakes
