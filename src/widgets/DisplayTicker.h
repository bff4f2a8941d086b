// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace tikkro::widgets {

class WindowPixelWriter;

// Refreshes a line of text that changes on its own, a running clock, from
// a thread of its own: woken 66 times a second, the GUI thread's event loop
// costs more than the refresh itself. Only digits change, each written from
// a cell painted beforehand on the GUI thread, but for the whole line after
// Qt paints it: Qt's copy may land after a write of the ticker's and hide
// it. A tick allocates nothing and touches little memory, for after 15 ms
// asleep all of it is out of the caches.
class DisplayTicker
{
public:
    static constexpr qsizetype MaxLength = 32;
    // Writes the text at this moment into text, on the ticker's thread, and
    // returns its length; 0 hands the line back.
    using TextSource = std::function<qsizetype(std::span<char16_t, MaxLength> text)>;

    // A line as shown, with what it takes to change its digits.
    struct Line
    {
        QString text;
        // The text's pixels, as they go into the window at target.
        QImage image;
        QPoint target;
        // Where each character's columns start in image, and one more where
        // the last ends.
        std::vector<int> columns;
        // Each character's ten digits, 0 to 9 from the top, each as wide as
        // its columns and as high as image, in rows of no more than that;
        // null for a character that stays.
        std::vector<QImage> digits;
    };

    DisplayTicker() = default;
    ~DisplayTicker();
    DisplayTicker(const DisplayTicker&) = delete;
    DisplayTicker& operator=(const DisplayTicker&) = delete;

    // Writes line with writer every interval from now on, its text from
    // source, until stopped, or until the source hands the line back or a
    // text or a write fails: then ended is called, on the ticker's thread.
    void start(Line line, TextSource source, WindowPixelWriter& writer,
               std::chrono::milliseconds interval, std::function<void()> ended);
    // Waits for a write under way; returns the text last written.
    QString stop();
    bool isRunning() const { return m_thread.joinable(); }
    // The text last written.
    QString text() const;
    // The same, for Qt to paint; the ticker writes the whole line next.
    QString textToPaint();
    // Writes the whole line next, as once Qt's copy is in the window.
    void writeWhole();

private:
    void run(const std::stop_token& stop);
    // Writes the changed digits; false where a character that changed is
    // not a digit, or a write failed.
    bool show(std::span<const char16_t> text);
    // Writes the whole line, its digits as shown.
    bool writeLine();
    QString shownText() const;

    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    Line m_line;
    // The text shown, and the one being made.
    std::array<char16_t, MaxLength> m_shown{};
    std::array<char16_t, MaxLength> m_next{};
    qsizetype m_length = 0;
    TextSource m_source;
    WindowPixelWriter* m_writer = nullptr;
    std::chrono::milliseconds m_interval{};
    std::function<void()> m_ended;
    bool m_writeWhole = false;
    std::jthread m_thread;
};

} // namespace tikkro::widgets
