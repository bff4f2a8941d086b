// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::app {

// Loads the catalogues of the user's language: the program's own from its
// translations folder and Qt's for its dialogs and buttons. The language is
// the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as QLocale reads them);
// a language without a catalogue leaves the texts English.
class Translations
{
public:
    static void install(const QString& folder);
};

} // namespace tikkro::app
