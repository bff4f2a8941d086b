// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RemoteRequest.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tikkro::app {

// `tikkro --lap` and its kin: the command goes to the copy running on this
// program's database over the single-instance socket, and this process
// ends without opening a window. Plain POSIX and no application object, so
// that it costs little more than loading the program.
class RemoteCommand
{
public:
    // Longer than a busy running copy takes to answer.
    static constexpr int AnswerWaitMs = 5000;
    // Hands a command to a copy being started for it, in the request's own
    // words; not for users, so not in --help.
    static constexpr const char* FirstCommandOption = "--first-command";

    // Gives the command, or starts Tikkro with it when no copy runs, and
    // returns the exit status: 0 when it ran, 2 when it is not offered (the
    // reason on standard error), 1 when no copy could be reached or started.
    static int give(const char* programName, const RemoteRequest& request);

    // Sends the request and returns the answer: nothing when no copy
    // listens, empty when the copy dropped it.
    static std::optional<QByteArray> exchange(const QString& serverName,
                                              const RemoteRequest& request);

private:
    static bool startProgram(const char* programName, const QByteArray& firstCommand);
};

} // namespace tikkro::app
