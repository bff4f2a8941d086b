// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::ui {

// The program's texts end their lines with CR LF; Qt's text boxes keep plain
// line feeds. These convert at the boundary.
class LineEnds
{
public:
    static QString toCrLf(QString text)
    {
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return text;
    }

    static QString toLineFeeds(QString text)
    {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return text;
    }
};

} // namespace tikkro::ui
