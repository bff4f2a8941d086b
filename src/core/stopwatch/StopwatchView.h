// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::stopwatch {

// The five commands, each with its button and its Alt key.
enum class Command
{
    Start,
    Lap,
    Resume,
    Pause,
    Reset,
};

// Which commands are offered; a command's button is enabled exactly while
// it is.
struct CommandSet
{
    bool start = false;
    bool lap = false;
    bool resume = false;
    bool pause = false;
    bool reset = false;

    bool operator==(const CommandSet&) const = default;
};

// What the stopwatch commands need from the window that shows them.
class StopwatchView
{
public:
    virtual ~StopwatchView() = default;
    virtual void setElapsedDisplay(const QString& text) = 0;
    virtual void setAvailableCommands(const CommandSet& commands) = 0;
    virtual void appendToLog(const QString& piece) = 0;
    virtual bool logIsEmpty() const = 0;
    // Puts the focus on the log strip with the caret and the view at its
    // end. Fails quietly while the window is not shown yet.
    virtual void focusLogEnd() = 0;
};

} // namespace tikkro::stopwatch
