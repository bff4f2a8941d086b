// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/ElapsedFormat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tikkro::stopwatch {

qint64 ElapsedFormat::wholeMilliseconds(qint64 ticks, qint64 frequency)
{
    if (frequency <= 0) {
        return 0;
    }
    const double milliseconds =
        static_cast<double>(ticks) / static_cast<double>(frequency) * 1000.0;
    // nearbyint rounds half to even in the default rounding mode.
    const double fourDecimals = std::nearbyint(milliseconds * 10000.0) / 10000.0;
    return static_cast<qint64>(std::nearbyint(fourDecimals));
}

QString ElapsedFormat::text(qint64 milliseconds, int showLength)
{
    std::array<char16_t, MaxLength> buffer{};
    const qsizetype length = write(milliseconds, showLength, buffer);
    return QString(reinterpret_cast<const QChar*>(buffer.data()), length);
}

qsizetype ElapsedFormat::write(qint64 milliseconds, int showLength,
                               std::span<char16_t, MaxLength> text)
{
    // Written digit by digit: the display asks for this on every refresh.
    const qint64 ms = std::max<qint64>(0, milliseconds);
    qsizetype length = 0;
    const auto put = [&](qint64 value, int digits) {
        for (int i = digits - 1; i >= 0; --i) {
            text[static_cast<std::size_t>(length + i)] = static_cast<char16_t>(u'0' + value % 10);
            value /= 10;
        }
        length += digits;
    };
    const qint64 hours = ms / 3'600'000;
    int hourDigits = 2;
    for (qint64 rest = hours; rest >= 100; rest /= 10) {
        ++hourDigits;
    }
    put(hours, hourDigits);
    text[static_cast<std::size_t>(length++)] = u':';
    put(ms / 60'000 % 60, 2);
    text[static_cast<std::size_t>(length++)] = u':';
    put(ms / 1'000 % 60, 2);
    text[static_cast<std::size_t>(length++)] = u'.';
    put(ms % 1'000, 3);
    return length - (FullLength - std::clamp(showLength, 0, FullLength));
}

} // namespace tikkro::stopwatch
