// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

namespace tikkro::stopwatch {

// Reads the log strip back into the runs it records and writes them as CSV
// (RFC 4180: comma-separated, CR LF, fields quoted where they must be; UTF-8
// without a byte-order mark; a header row naming the columns).
//
// Each Start, Lap, Pause and Resume line is a row of its run; the empty line
// that Reset leaves closes the run with a Reset row, so a run that was still
// going when the strip was saved can be told from a finished one. Any line the
// stopwatch would not have written, typed or edited by the user, becomes a row
// of its own with only the note set, so nothing typed is lost. The strip is
// free text: a deleted header, a deleted Start or a cleared strip leave rows
// without a run or without a split, never a wrong one.
class LogStripCsv
{
public:
    struct Row
    {
        // Counted by the "Date/Time started" headers from 1; 0 before the
        // first header and for notes, written as an empty field.
        int run = 0;
        QString started; // the header's local date and time, ISO 8601
        QString event;   // Start, Lap, Pause, Resume or Reset
        QString elapsed; // as logged, hh:mm:ss.fff
        std::optional<qint64> elapsedMs;
        // From the previous Lap or Start of the same run, for Lap and Pause.
        std::optional<qint64> splitMs;
        QString resumedAt; // the Res'Time line's time of day, hh:mm:ss
        QString note;

        // The row's fields in column order, as they are written.
        QStringList fields() const;
    };

    static QStringList columns();

    // strip has its lines ended by LF, as the log strip reads back.
    static QList<Row> rows(QStringView strip);
    static QByteArray csv(QStringView strip);

private:
    // Rows are handed on one by one, so that the CSV of a long strip is
    // written without holding all of them at once.
    static void read(QStringView strip, const std::function<void(Row&&)>& take);
};

} // namespace tikkro::stopwatch
