// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LoadableModule.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tikkro::core {

LoadableModule::LoadableModule(const QString& name) : m_name(name)
{
    m_library.setLoadHints(QLibrary::PreventUnloadHint);
}

QFunctionPointer LoadableModule::resolve(const char* symbol)
{
    if (!m_library.isLoaded()) {
        const QString bin = QCoreApplication::applicationDirPath();
        const QString file = m_name + QLatin1String(".so");
        m_error = QCoreApplication::translate("LoadableModule", "The module %1 is not installed.")
                      .arg(file);
        for (const QString& folder :
             {QStringLiteral(TIKKRO_MODULES_FROM_BIN), QStringLiteral("../lib/tikkro")}) {
            const QFileInfo path(bin + QLatin1Char('/') + folder + QLatin1Char('/') + file);
            if (!path.exists()) {
                continue;
            }
            // A full path: the loader's search path, which the environment
            // can change, plays no part.
            m_library.setFileName(path.absoluteFilePath());
            if (m_library.load()) {
                break;
            }
            m_error = m_library.errorString();
        }
        if (!m_library.isLoaded()) {
            return nullptr;
        }
    }
    const QFunctionPointer function = m_library.resolve(symbol);
    m_error = function ? QString() : m_library.errorString();
    return function;
}

} // namespace tikkro::core
