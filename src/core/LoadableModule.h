// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>

namespace tikkro::core {

// A part of the program built as a module of its own and loaded on first
// use, so that starting the program loads none of the large libraries it
// needs (printing, sound). A module is looked for in the installed modules
// folder, found from the program's own, then in the build tree's lib/tikkro
// beside bin/. Once loaded it stays loaded: objects it made may outlive any
// one user of it.
class LoadableModule
{
public:
    // name: the module's file name without ".so", such as "tikkro-printing".
    explicit LoadableModule(const QString& name);

    // The module's entry point `symbol`, an extern "C" function of type
    // Function; nullptr when the module or the symbol cannot be loaded, and
    // errorString() then says why.
    template <typename Function> Function* entry(const char* symbol)
    {
        return reinterpret_cast<Function*>(resolve(symbol));
    }
    QString errorString() const { return m_error; }

private:
    QFunctionPointer resolve(const char* symbol);

    QString m_name;
    QLibrary m_library;
    QString m_error;
};

} // namespace tikkro::core
