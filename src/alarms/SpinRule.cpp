// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/SpinRule.h"

#include "alarms/WholeNumber.h"

namespace tikkro::alarms {

std::optional<QString> SpinRule::step(const QString& text, int direction) const
{
    const std::optional<qint16> read = WholeNumber::parseForSpin(text);
    if (!read) {
        return std::nullopt;
    }
    int value = *read;
    if (direction > 0) {
        ++value;
        if (value >= limit) {
            value = wrapValue;
        }
    } else {
        --value;
        if (value < lowerBound) {
            value = limit - 1;
        }
    }
    return this->text(value);
}

QString SpinRule::text(int value) const
{
    // Padded, never cut: a typed 150 stepped down must read 149, not 49.
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

} // namespace tikkro::alarms
