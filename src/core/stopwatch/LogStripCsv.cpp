// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/LogStripCsv.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <array>
#include <charconv>

namespace tikkro::stopwatch {

namespace {

// Nine digits of hours keep every elapsed time well inside a 64-bit count of
// milliseconds; no stopwatch runs that long.
constexpr qsizetype MaxHourDigits = 9;
// ":mm:ss.fff" after the hours.
constexpr qsizetype MinutesToMillis = 10;

const QString EventStart = QStringLiteral("Start");
const QString EventLap = QStringLiteral("Lap");
const QString EventPause = QStringLiteral("Pause");
const QString EventResume = QStringLiteral("Resume");
const QString EventReset = QStringLiteral("Reset");

// Only ASCII digits: the stopwatch writes no others, and QChar::isDigit would
// let other scripts' digits through.
int digitsAt(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "HH:mm:ss" at the start of text, a valid time of day.
bool isTimeOfDay(QStringView text)
{
    return text.size() >= 8 && text[2] == u':' && text[5] == u':' &&
           QTime(digitsAt(text, 0, 2), digitsAt(text, 3, 2), digitsAt(text, 6, 2)).isValid();
}

// "hh:mm:ss.fff" with at least two digits of hours, never wrapped at 24.
std::optional<qint64> elapsedMilliseconds(QStringView text)
{
    const qsizetype hourDigits = text.size() - MinutesToMillis;
    if (hourDigits < 2 || hourDigits > MaxHourDigits) {
        return std::nullopt;
    }
    const int hours = digitsAt(text, 0, hourDigits);
    const int minutes = digitsAt(text, hourDigits + 1, 2);
    const int seconds = digitsAt(text, hourDigits + 4, 2);
    const int millis = digitsAt(text, hourDigits + 7, 3);
    if (hours < 0 || text[hourDigits] != u':' || minutes < 0 || minutes > 59 ||
        text[hourDigits + 3] != u':' || seconds < 0 || seconds > 59 ||
        text[hourDigits + 6] != u'.' || millis < 0) {
        return std::nullopt;
    }
    return ((static_cast<qint64>(hours) * 60 + minutes) * 60 + seconds) * 1000 + millis;
}

struct LoggedTime
{
    const QString* event;
    QStringView elapsed;
    qint64 milliseconds;
};

// An elapsed time, three spaces and Start, Lap or Pause.
std::optional<LoggedTime> loggedTime(QStringView line)
{
    for (const QString* event : {&EventLap, &EventPause, &EventStart}) {
        if (!line.endsWith(*event) || !line.chopped(event->size()).endsWith(u"   ")) {
            continue;
        }
        const QStringView elapsed = line.chopped(event->size() + 3);
        if (const std::optional<qint64> ms = elapsedMilliseconds(elapsed)) {
            return LoggedTime{event, elapsed, *ms};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// "dd.MM.yyyy  HH:mm:ss  Date/Time started" as ISO 8601 local time.
std::optional<QString> headerStarted(QStringView line)
{
    static constexpr QStringView Tail = u"  Date/Time started";
    if (line.size() != 20 + Tail.size() || !line.endsWith(Tail) || line[2] != u'.' ||
        line[5] != u'.' || line.sliced(10, 2) != u"  " || !isTimeOfDay(line.sliced(12))) {
        return std::nullopt;
    }
    if (!QDate(digitsAt(line, 6, 4), digitsAt(line, 3, 2), digitsAt(line, 0, 2)).isValid()) {
        return std::nullopt;
    }
    QString iso;
    iso.reserve(19);
    iso.append(line.sliced(6, 4)).append(u'-').append(line.sliced(3, 2)).append(u'-');
    iso.append(line.sliced(0, 2)).append(u'T').append(line.sliced(12, 8));
    return iso;
}

// "HH:mm:ss          Res'Time": the time of day.
std::optional<QStringView> resumedAt(QStringView line)
{
    static constexpr QStringView Tail = u"          Res'Time";
    if (line.size() != 8 + Tail.size() || !line.endsWith(Tail) || !isTimeOfDay(line)) {
        return std::nullopt;
    }
    return line.first(8);
}

QString number(const std::optional<qint64>& value)
{
    return value ? QString::number(*value) : QString();
}

bool mustQuote(char16_t c)
{
    return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
}

void appendField(QByteArray& out, QStringView field)
{
    // The stopwatch's own fields are short ASCII and need no quotes; copied
    // straight across they cost no conversion, which counts over 100,000 rows.
    const bool plainAscii = std::all_of(field.begin(), field.end(), [](QChar c) {
        return c.unicode() < 0x80 && !mustQuote(c.unicode());
    });
    if (plainAscii) {
        const qsizetype at = out.size();
        out.resize(at + field.size());
        std::transform(field.begin(), field.end(), out.begin() + at,
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        return;
    }
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return mustQuote(c.unicode()); })) {
        out.append(field.toUtf8());
        return;
    }
    out.append('"');
    out.append(field.toString().replace(u'"', QStringLiteral("\"\"")).toUtf8());
    out.append('"');
}

void appendNumber(QByteArray& out, std::optional<qint64> value)
{
    if (value) {
        std::array<char, 24> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), *value);
        out.append(digits.data(), result.ptr - digits.data());
    }
}

} // namespace

QStringList LogStripCsv::Row::fields() const
{
    return {run > 0 ? QString::number(run) : QString(),
            started,
            event,
            elapsed,
            number(elapsedMs),
            number(splitMs),
            resumedAt,
            note};
}

QStringList LogStripCsv::columns()
{
    return {QStringLiteral("run"),        QStringLiteral("started"),    QStringLiteral("event"),
            QStringLiteral("elapsed"),    QStringLiteral("elapsed_ms"), QStringLiteral("split_ms"),
            QStringLiteral("resumed_at"), QStringLiteral("note")};
}

void LogStripCsv::read(QStringView strip, const std::function<void(Row&&)>& take)
{
    QList<QStringView> lines = strip.split(u'\n');
    // The line end of the last line starts no line of its own.
    if (lines.constLast().isEmpty()) {
        lines.removeLast();
    }

    int run = 0;
    QString started;
    // A run is open from its header or first command to the empty line of
    // its Reset; a further empty line is the user's own and says nothing.
    bool runOpen = false;
    bool haveLapOrStart = false;
    qint64 lastLapOrStart = 0;

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        Row row;
        if (line.isEmpty()) {
            // A Resume writes an empty line before its time of day; the user
            // may have added more.
            qsizetype next = i + 1;
            while (next < lines.size() && lines[next].isEmpty()) {
                ++next;
            }
            const bool beforeResume = next < lines.size() && resumedAt(lines[next]);
            if (!runOpen || beforeResume) {
                continue;
            }
            row.event = EventReset;
            haveLapOrStart = false;
        } else if (const std::optional<QString> header = headerStarted(line)) {
            ++run;
            started = *header;
            runOpen = true;
            haveLapOrStart = false;
            continue;
        } else if (const std::optional<QStringView> time = resumedAt(line)) {
            row.event = EventResume;
            row.resumedAt = time->toString();
        } else if (const std::optional<LoggedTime> logged = loggedTime(line)) {
            row.event = *logged->event;
            row.elapsed = logged->elapsed.toString();
            row.elapsedMs = logged->milliseconds;
            if (logged->event != &EventStart && haveLapOrStart) {
                row.splitMs = logged->milliseconds - lastLapOrStart;
            }
            if (logged->event != &EventPause) {
                haveLapOrStart = true;
                lastLapOrStart = logged->milliseconds;
            }
        } else {
            row.note = line.toString();
            take(std::move(row));
            continue;
        }
        row.run = run;
        row.started = started;
        runOpen = row.event != EventReset;
        take(std::move(row));
    }
}

QList<LogStripCsv::Row> LogStripCsv::rows(QStringView strip)
{
    QList<Row> rows;
    read(strip, [&rows](Row&& row) { rows.append(std::move(row)); });
    return rows;
}

QByteArray LogStripCsv::csv(QStringView strip)
{
    QByteArray out;
    // A lap line of 20 characters makes a row of about 45 bytes.
    out.reserve(64 + strip.size() * 5 / 2);
    out.append(columns().join(u',').toUtf8()).append("\r\n");
    read(strip, [&out](Row&& row) {
        appendNumber(out, row.run > 0 ? std::optional<qint64>(row.run) : std::nullopt);
        out.append(',');
        appendField(out, row.started);
        out.append(',');
        appendField(out, row.event);
        out.append(',');
        appendField(out, row.elapsed);
        out.append(',');
        appendNumber(out, row.elapsedMs);
        out.append(',');
        appendNumber(out, row.splitMs);
        out.append(',');
        appendField(out, row.resumedAt);
        out.append(',');
        appendField(out, row.note);
        out.append("\r\n");
    });
    return out;
}

} // namespace tikkro::stopwatch
