// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteRequest.h"

#include <array>
#include <cstring>
#include <ctime>

namespace tikkro::app {

namespace {
// Indexed by Verb.
constexpr std::array<const char*, 6> Words{"start", "pause", "resume", "lap", "reset", "toggle"};
// The most digits of a positive qint64.
constexpr qsizetype MaxDigits = 18;
} // namespace

qint64 RemoteRequest::bootTimeNow()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::optional<RemoteRequest::Verb> RemoteRequest::fromOption(const char* option)
{
    if (option == nullptr || std::strncmp(option, "--", 2) != 0) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < Words.size(); ++i) {
        if (std::strcmp(option + 2, Words.at(i)) == 0) {
            return static_cast<Verb>(i);
        }
    }
    return std::nullopt;
}

const char* RemoteRequest::word(Verb verb)
{
    return Words.at(static_cast<std::size_t>(verb));
}

QByteArray RemoteRequest::encode() const
{
    return QByteArray(word(verb)) + ' ' + QByteArray::number(givenAt);
}

std::optional<RemoteRequest> RemoteRequest::decode(QByteArrayView line)
{
    const qsizetype space = line.indexOf(' ');
    if (space < 0) {
        return std::nullopt;
    }
    const QByteArrayView number = line.sliced(space + 1);
    if (number.isEmpty() || number.size() > MaxDigits) {
        return std::nullopt;
    }
    for (const char digit : number) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
    }
    for (std::size_t i = 0; i < Words.size(); ++i) {
        if (line.first(space) == QByteArrayView(Words.at(i))) {
            return RemoteRequest{static_cast<Verb>(i), number.toLongLong()};
        }
    }
    return std::nullopt;
}

} // namespace tikkro::app
