// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DisplayTicker.h"

#include "widgets/GlyphCells.h"
#include "widgets/WindowPixelWriter.h"

#include <QRect>

#include <algorithm>
#include <utility>

namespace tikkro::widgets {

DisplayTicker::~DisplayTicker()
{
    stop();
}

void DisplayTicker::start(Line line, TextSource source, WindowPixelWriter& writer,
                          std::chrono::milliseconds interval, std::function<void()> ended)
{
    stop();
    m_line = std::move(line);
    m_length = std::min(m_line.text.size(), MaxLength);
    std::copy_n(m_line.text.utf16(), m_length, m_shown.begin());
    m_source = std::move(source);
    m_writer = &writer;
    m_interval = interval;
    m_ended = std::move(ended);
    m_writeWhole = false;
    m_thread = std::jthread([this](const std::stop_token& stop) { run(stop); });
}

QString DisplayTicker::stop()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
        m_thread = {};
    }
    return shownText();
}

QString DisplayTicker::shownText() const
{
    return QString(reinterpret_cast<const QChar*>(m_shown.data()), m_length);
}

QString DisplayTicker::text() const
{
    const std::scoped_lock lock(m_mutex);
    return shownText();
}

QString DisplayTicker::textToPaint()
{
    const std::scoped_lock lock(m_mutex);
    m_writeWhole = true;
    return shownText();
}

void DisplayTicker::writeWhole()
{
    const std::scoped_lock lock(m_mutex);
    m_writeWhole = true;
}

void DisplayTicker::run(const std::stop_token& stop)
{
    using Clock = std::chrono::steady_clock;
    auto next = Clock::now();
    std::unique_lock lock(m_mutex);
    for (;;) {
        // Ticks missed, as when the machine was busy, are not made up in a
        // burst.
        next = std::max(next + m_interval, Clock::now());
        m_wake.wait_until(lock, stop, next, [] { return false; });
        if (stop.stop_requested()) {
            return;
        }
        const qsizetype length = m_source(m_next);
        if (length <= 0 || !show(std::span(m_next).first(static_cast<std::size_t>(length)))) {
            break;
        }
    }
    lock.unlock();
    m_ended();
}

bool DisplayTicker::show(std::span<const char16_t> text)
{
    if (std::cmp_not_equal(text.size(), m_length)) {
        return false;
    }
    // Checked whole first, so that what is shown stays what was written.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != m_shown.at(i) &&
            (text[i] < u'0' || text[i] > u'9' || m_line.digits.at(i).isNull())) {
            return false;
        }
    }
    const int height = m_line.image.height();
    // Each changed digit goes into the window straight from its cell, whose
    // rows lie in one piece as the window takes them.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == m_shown.at(i)) {
            continue;
        }
        const QRect cell(0, (text[i] - u'0') * height, m_line.digits.at(i).width(), height);
        if (!m_writeWhole && !m_writer->write(m_line.digits.at(i), cell,
                                              m_line.target + QPoint(m_line.columns.at(i), 0))) {
            return false;
        }
        m_shown.at(i) = text[i];
    }
    return !m_writeWhole || writeLine();
}

bool DisplayTicker::writeLine()
{
    m_writeWhole = false;
    const int height = m_line.image.height();
    for (std::size_t i = 0; i < m_line.digits.size(); ++i) {
        const QImage& digits = m_line.digits.at(i);
        if (!digits.isNull()) {
            GlyphCells::place(digits, {0, (m_shown.at(i) - u'0') * height, digits.width(), height},
                              m_line.image, {m_line.columns.at(i), 0});
        }
    }
    return m_writer->write(m_line.image, m_line.image.rect(), m_line.target);
}

} // namespace tikkro::widgets
