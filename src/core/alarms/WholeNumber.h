// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace tikkro::alarms {

// The digit fields hold any text the user types; these read a signed 16-bit
// whole number from it.
class WholeNumber
{
    Q_DECLARE_TR_FUNCTIONS(WholeNumber)

public:
    // As Set reads a field: a whole number, optionally signed, with blanks
    // around it allowed. Empty text, letters, decimals and numbers beyond
    // -32768..32767 throw InputError naming the field.
    static qint16 parseField(const QString& text, const QString& fieldName);

    // As a spin step reads a field: empty text counts as 0 and a sign is not
    // accepted, because the value is read as "0" followed by the text.
    static std::optional<qint16> parseForSpin(const QString& text);
};

} // namespace tikkro::alarms
