// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/WholeNumber.h"

#include "core/alarms/InputError.h"

#include <limits>

namespace tikkro::alarms {

namespace {

enum class Reading
{
    Number,
    NotANumber,
    OutOfRange
};

// Only ASCII digits count: other scripts' digits look like numbers to
// QChar::isDigit but would surprise anyone reading the stored value.
Reading read(const QString& text, bool allowSign, qint16& value)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (allowSign && !trimmed.isEmpty() &&
        (trimmed.front() == QLatin1Char('-') || trimmed.front() == QLatin1Char('+'))) {
        negative = trimmed.front() == QLatin1Char('-');
        ++at;
    }
    if (at == trimmed.size()) {
        return Reading::NotANumber;
    }
    qint64 magnitude = 0;
    bool tooLarge = false;
    for (; at < trimmed.size(); ++at) {
        const char16_t ch = trimmed.at(at).unicode();
        if (ch < u'0' || ch > u'9') {
            return Reading::NotANumber;
        }
        if (!tooLarge) {
            magnitude = magnitude * 10 + (ch - u'0');
            tooLarge = magnitude > 100000;
        }
    }
    const qint64 signedValue = negative ? -magnitude : magnitude;
    if (tooLarge || signedValue < std::numeric_limits<qint16>::min() ||
        signedValue > std::numeric_limits<qint16>::max()) {
        return Reading::OutOfRange;
    }
    value = static_cast<qint16>(signedValue);
    return Reading::Number;
}

} // namespace

qint16 WholeNumber::parseField(const QString& text, const QString& fieldName)
{
    qint16 value = 0;
    switch (read(text, true, value)) {
    case Reading::Number:
        return value;
    case Reading::OutOfRange:
        throw InputError(tr("%1: '%2' is out of range (-32768 to 32767)").arg(fieldName, text));
    case Reading::NotANumber:
        break;
    }
    throw InputError(tr("%1: '%2' is not a whole number").arg(fieldName, text));
}

std::optional<qint16> WholeNumber::parseForSpin(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        return qint16{0};
    }
    qint16 value = 0;
    if (read(text, false, value) != Reading::Number) {
        return std::nullopt;
    }
    return value;
}

} // namespace tikkro::alarms
