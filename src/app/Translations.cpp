// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tikkro::app {

namespace {

void load(const QString& name, const QString& folder)
{
    // The application object owns the catalogue for as long as it runs.
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (QString language : QLocale::system().uiLanguages()) {
        // The texts are written in English: a user who puts English before
        // another language gets them as they are.
        if (language == u"C" || language.startsWith(u"en")) {
            break;
        }
        language.replace(u'-', u'_');
        if (translator->load(name + u'_' + language, folder) &&
            QCoreApplication::installTranslator(translator)) {
            return;
        }
    }
    delete translator;
}

} // namespace

void Translations::install(const QString& folder)
{
    load(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("tikkro"), folder);
}

} // namespace tikkro::app
