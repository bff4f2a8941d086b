// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace tikkro::app {

// A stopwatch command given from outside the window, as it travels from
// `tikkro --lap` to the running copy over the single-instance socket: one
// line of ASCII, the command's word and the boot-time clock's reading in
// nanoseconds at the moment it was given ("lap 123456789\n"). Nothing in a
// request names a file or anything to run.
struct RemoteRequest
{
    enum class Verb
    {
        Start,
        Pause,
        Resume,
        Lap,
        Reset,
        // Start when reset, Pause when running, Resume when paused.
        Toggle,
    };

    // Longer requests are dropped unread; the longest valid one has 27
    // characters.
    static constexpr qsizetype MaxSize = 64;

    Verb verb = Verb::Start;
    qint64 givenAt = 0;

    // CLOCK_BOOTTIME now, in nanoseconds: the clock the stopwatch counts on.
    static qint64 bootTimeNow();

    // The verb of a command-line option such as "--lap".
    static std::optional<Verb> fromOption(const char* option);
    static const char* word(Verb verb);

    // The line without its line end, and back; nothing for anything that is
    // not exactly a known word, one space and a positive decimal number.
    QByteArray encode() const;
    static std::optional<RemoteRequest> decode(QByteArrayView line);
};

} // namespace tikkro::app
