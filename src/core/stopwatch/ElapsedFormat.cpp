// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/ElapsedFormat.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace tikkro::stopwatch {

namespace {
constexpr int FullLengthWithTwoDigitHours = 12;
}

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

QString ElapsedFormat::text(qint64 milliseconds)
{
    const qint64 hours = milliseconds / 3'600'000;
    const qint64 minutes = (milliseconds / 60'000) % 60;
    const qint64 seconds = (milliseconds / 1'000) % 60;
    const qint64 millis = milliseconds % 1'000;
    // The refresh runs every 15 ms: snprintf into a stack buffer avoids the
    // temporaries that QString::arg would make.
    std::array<char, 48> buffer{};
    const int length =
        std::snprintf(buffer.data(), buffer.size(), "%02lld:%02lld:%02lld.%03lld",
                      static_cast<long long>(hours), static_cast<long long>(minutes),
                      static_cast<long long>(seconds), static_cast<long long>(millis));
    return QString::fromLatin1(buffer.data(), length);
}

QString ElapsedFormat::shortened(const QString& fullText, int showLength)
{
    const int dropped = FullLengthWithTwoDigitHours - showLength;
    return fullText.left(fullText.size() - dropped);
}

} // namespace tikkro::stopwatch
