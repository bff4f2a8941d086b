// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DisplayField.h"

#include "widgets/X11PixelWriter.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <cmath>
#include <span>

namespace tikkro::widgets {

DisplayField::DisplayField(const QString& sample, QWidget* parent)
    : QFrame(parent), m_sample(sample), m_writer(X11PixelWriter::create())
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The field paints its whole background itself, so that a change of a
    // few characters paints nothing beneath it or around them.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    takeFont();
}

DisplayField::~DisplayField()
{
    // The ticker's thread may post its end to the field until it stops.
    m_ticker.stop();
}

void DisplayField::setPixelWriter(std::unique_ptr<WindowPixelWriter> writer)
{
    m_writer = std::move(writer);
}

QString DisplayField::text() const
{
    return isTicking() ? m_ticker.text() : m_text;
}

void DisplayField::setText(const QString& text)
{
    if (isTicking()) {
        endTicking();
    }
    if (text == m_text) {
        return;
    }
    const QString before = m_text;
    const bool wasLaidOut = m_laidOut;
    m_text = text;
    announceChange();
    const std::optional<std::size_t> first = wasLaidOut ? changeInPlace(before) : std::nullopt;
    if ((!first && !layOut(m_text)) || !wasLaidOut) {
        update(contentsRect());
        return;
    }
    // Painted at once: the few characters cost less than an update request
    // posted to the window and handled on the next pass.
    if (!writeToWindow(first)) {
        repaint(changedArea(first));
    }
}

std::optional<std::size_t> DisplayField::changeInPlace(const QString& before)
{
    if (before.size() != m_text.size()) {
        return std::nullopt;
    }
    std::optional<std::size_t> first;
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        if (before.at(i) == m_text.at(i)) {
            continue;
        }
        const auto at = static_cast<std::size_t>(i);
        const std::optional<Glyph> glyph = glyphOf(m_text.at(i));
        // The text before was laid out, so its glyphs are all known.
        if (!glyph || glyph->advance != glyphOf(before.at(i))->advance) {
            return std::nullopt;
        }
        m_indexes.at(at) = glyph->index;
        first = first.value_or(at);
    }
    return first;
}

QRect DisplayField::changedArea(std::optional<std::size_t> first) const
{
    const QRect area = contentsRect();
    if (!first) {
        return area;
    }
    const auto count = static_cast<std::size_t>(m_text.size());
    const int left = static_cast<int>(std::floor(m_positions.at(*first).x())) - GlyphBleed;
    const int right = static_cast<int>(std::ceil(m_positions.at(count).x())) + GlyphBleed;
    return QRect(QPoint(left, area.top()), QPoint(right, area.bottom())).intersected(area);
}

QWidget* DisplayField::writableWindow()
{
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    if (!m_writer || !isVisible() || !updatesEnabled() || handle == nullptr ||
        !handle->isExposed() || handle->devicePixelRatio() != 1.0 || !m_writer->bind(*top)) {
        return nullptr;
    }
    if (m_written.size() != size()) {
        const QRect contents = contentsRect();
        m_written = QImage(size(), QImage::Format_RGB32);
        m_cells.reset(m_rawFont, palette().color(foregroundRole()),
                      palette().color(backgroundRole()), contents.top(), contents.height());
    }
    return top;
}

void DisplayField::watchWindow(QWindow* handle)
{
    // Qt's copy of the window lacks what was written: whenever the window
    // shows anew, Qt must paint the field rather than show its copy.
    if (m_watchedWindow != handle) {
        if (m_watchedWindow) {
            m_watchedWindow->removeEventFilter(this);
        }
        handle->installEventFilter(this);
        m_watchedWindow = handle;
    }
}

bool DisplayField::writeToWindow(std::optional<std::size_t> first)
{
    QWidget* top = writableWindow();
    if (top == nullptr) {
        return false;
    }
    const QRect contents = contentsRect();
    QRect area;
    if (first) {
        const auto count = static_cast<std::size_t>(m_text.size());
        const auto [left, right] =
            m_cells.copy(std::span(m_indexes).first(count), std::span(m_positions).first(count + 1),
                         *first, m_written);
        area = QRect(left, contents.top(), right - left, contents.height());
    }
    if (area.isEmpty()) {
        area = changedArea(first);
        if (area.isEmpty()) {
            return false;
        }
        QPainter painter(&m_written);
        painter.fillRect(area, palette().color(backgroundRole()));
        painter.setPen(palette().color(foregroundRole()));
        drawGlyphs(painter, area);
    }
    if (!m_writer->write(m_written, area, mapTo(top, area.topLeft()))) {
        return false;
    }
    watchWindow(top->windowHandle());
    return true;
}

bool DisplayField::startTicking(DisplayTicker::TextSource source,
                                std::chrono::milliseconds interval)
{
    stopTicking();
    std::optional<DisplayTicker::Line> line = tickingLine();
    if (!line) {
        return false;
    }
    const quint64 run = ++m_tickerRuns;
    m_ticker.start(std::move(*line), std::move(source), *m_writer, interval, [this, run] {
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (run == m_tickerRuns && isTicking()) {
                    endTicking();
                }
            },
            Qt::QueuedConnection);
    });
    return true;
}

std::optional<DisplayTicker::Line> DisplayField::tickingLine()
{
    // A screen reader is told of changes from the GUI thread.
    QWidget* top = m_laidOut && !QAccessible::isActive() ? writableWindow() : nullptr;
    if (top == nullptr) {
        return std::nullopt;
    }
    const auto count = static_cast<std::size_t>(m_text.size());
    const auto glyphs = std::span(m_indexes).first(count);
    const auto positions = std::span(m_positions).first(count + 1);
    // The whole line copied checks that no glyph on it reaches into its
    // neighbours' columns, where digits will be copied.
    const auto [left, right] = m_cells.copy(glyphs, positions, 0, m_written);
    if (left >= right) {
        return std::nullopt;
    }
    const QRect contents = contentsRect();
    DisplayTicker::Line line;
    line.text = m_text;
    line.image = m_written.copy(left, contents.top(), right - left, contents.height());
    line.target = mapTo(top, QPoint(left, contents.top()));
    for (std::size_t i = 0; i <= count; ++i) {
        line.columns.push_back(qRound(positions[i].x()) - left);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const QChar shown = m_text.at(static_cast<qsizetype>(i));
        if (shown.unicode() < u'0' || shown.unicode() > u'9') {
            line.digits.emplace_back();
            continue;
        }
        const int width = line.columns.at(i + 1) - line.columns.at(i);
        QImage digits(width, 10 * contents.height(), QImage::Format_RGB32);
        for (char16_t digit = 0; digit < 10; ++digit) {
            const std::optional<Glyph> glyph = glyphOf(QChar(u'0' + digit));
            // Every digit must fit where the one shown is, moving nothing.
            if (!glyph || glyph->advance != glyphOf(shown)->advance) {
                return std::nullopt;
            }
            const QImage cell = m_cells.cellOf(glyph->index, positions[i], positions[i + 1]);
            if (cell.isNull()) {
                return std::nullopt;
            }
            GlyphCells::place(cell, cell.rect(), digits, {0, digit * contents.height()});
        }
        line.digits.push_back(std::move(digits));
    }
    // The line goes into the window whole at the first tick.
    watchWindow(top->windowHandle());
    return line;
}

void DisplayField::stopTicking()
{
    if (!isTicking()) {
        return;
    }
    const QString shown = m_ticker.stop();
    if (shown != m_text) {
        m_text = shown;
        layOut(m_text);
    }
}

void DisplayField::endTicking()
{
    stopTicking();
    Q_EMIT tickingEnded();
}

bool DisplayField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Expose) {
        update();
    }
    // The ticker writes into the native window by its id.
    if (watched == m_watchedWindow && event->type() == QEvent::PlatformSurface && isTicking() &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        endTicking();
    }
    return QFrame::eventFilter(watched, event);
}

QRect DisplayField::characterRect(qsizetype i) const
{
    if (i < 0 || i >= m_text.size()) {
        return {};
    }
    const QRect area = contentsRect();
    if (m_laidOut) {
        const auto at = static_cast<std::size_t>(i);
        const int left = static_cast<int>(std::round(m_positions.at(at).x()));
        const int right = static_cast<int>(std::round(m_positions.at(at + 1).x()));
        return {left, area.top(), right - left, area.height()};
    }
    const QFontMetrics metrics(font());
    const int left = area.left() + (area.width() - metrics.horizontalAdvance(m_text)) / 2;
    return {left + metrics.horizontalAdvance(m_text.left(i)), area.top(),
            metrics.horizontalAdvance(m_text.at(i)), area.height()};
}

bool DisplayField::isWorthAnnouncing(const QString& told, const QString& text)
{
    if (told.size() != text.size()) {
        return true;
    }
    // A fraction is the run of digits after the last point; a date's points
    // are followed by more than digits.
    qsizetype whole = text.lastIndexOf(QLatin1Char('.'));
    for (qsizetype i = whole + 1; whole >= 0 && i < text.size(); ++i) {
        if (!text.at(i).isDigit()) {
            whole = -1;
        }
    }
    if (whole < 0) {
        whole = text.size();
    }
    return QStringView(told).left(whole) != QStringView(text).left(whole);
}

void DisplayField::announceChange()
{
    if (!QAccessible::isActive() || !isWorthAnnouncing(m_announced, m_text)) {
        return;
    }
    QAccessibleTextUpdateEvent change(this, 0, m_announced, m_text);
    QAccessible::updateAccessibility(&change);
    m_announced = m_text;
}

void DisplayField::takeFont()
{
    m_rawFont = QRawFont::fromFont(font());
    m_ascent = m_rawFont.ascent();
    m_descent = m_rawFont.descent();
    m_run.setRawFont(m_rawFont);
    m_glyphs.fill(std::nullopt);
    // Dropping the written image makes the next write paint the glyphs'
    // cells afresh.
    m_written = {};
    const QFontMetrics metrics(font());
    const int frame = 2 * frameWidth();
    // A character's room either side, so the text never touches the frame.
    m_sizeHint = {metrics.horizontalAdvance(m_sample) + metrics.averageCharWidth() + frame,
                  metrics.height() + frame};
    layOut(m_text);
}

std::optional<DisplayField::Glyph> DisplayField::glyphOf(QChar c) const
{
    if (c.unicode() < FirstGlyph || c.unicode() > LastGlyph || !m_rawFont.isValid()) {
        return std::nullopt;
    }
    std::optional<Glyph>& known = m_glyphs.at(c.unicode() - FirstGlyph);
    if (!known) {
        Glyph glyph;
        const QList<quint32> indexes = m_rawFont.glyphIndexesForString(QString(c));
        if (indexes.size() == 1) {
            glyph.index = indexes.front();
            glyph.advance = m_rawFont.advancesForGlyphIndexes(indexes).value(0).x();
        }
        known = glyph;
    }
    // Glyph 0 stands for one the font does not have.
    return known->index != 0 ? known : std::nullopt;
}

bool DisplayField::layOut(const QString& text)
{
    m_laidOut = false;
    if (text.size() > MaxGlyphs) {
        return false;
    }
    const auto count = static_cast<std::size_t>(text.size());
    qreal width = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<Glyph> glyph = glyphOf(text.at(i));
        if (!glyph) {
            return false;
        }
        m_indexes.at(i) = glyph->index;
        m_positions.at(i).setX(width);
        width += glyph->advance;
    }
    m_positions.at(count).setX(width);
    // Centred as Qt centres a line of text: by its advance and by the
    // font's ascent and descent.
    const QRectF area = contentsRect();
    const qreal left = std::round(area.left() + (area.width() - width) / 2);
    const qreal baseline =
        std::round(area.top() + (area.height() - m_ascent - m_descent) / 2 + m_ascent);
    for (std::size_t i = 0; i <= count; ++i) {
        m_positions.at(i) = {left + m_positions.at(i).x(), baseline};
    }
    m_laidOut = true;
    return true;
}

QSize DisplayField::sizeHint() const
{
    return m_sizeHint;
}

QSize DisplayField::minimumSizeHint() const
{
    return m_sizeHint;
}

void DisplayField::paintEvent(QPaintEvent* event)
{
    // Qt paints what the ticker last wrote. Its copy goes into the window
    // once the whole window is painted, which may be after the ticker's next
    // write, so the ticker writes the whole line again after that too.
    if (isTicking()) {
        if (const QString shown = m_ticker.textToPaint(); shown != m_text) {
            m_text = shown;
            layOut(m_text);
        }
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isTicking()) {
                    m_ticker.writeWhole();
                }
            },
            Qt::QueuedConnection);
    }
    const QColor background = palette().color(backgroundRole());
    const bool withFrame = !contentsRect().contains(event->rect());
    if (withFrame) {
        {
            QPainter painter(this);
            painter.fillRect(event->rect(), background);
        }
        QFrame::paintEvent(event);
    }
    QPainter painter(this);
    if (!withFrame) {
        painter.fillRect(event->rect(), background);
    }
    painter.setPen(palette().color(foregroundRole()));
    if (m_laidOut) {
        drawGlyphs(painter, event->rect());
    } else {
        painter.drawText(contentsRect(), Qt::AlignCenter, m_text);
    }
}

void DisplayField::drawGlyphs(QPainter& painter, const QRect& area)
{
    // Only the glyphs that reach the area: a refresh changes a few of them,
    // and every glyph drawn costs a look-up and a blend. A glyph's edge may
    // reach a pixel or two past its advance.
    const auto count = static_cast<std::size_t>(m_text.size());
    std::size_t first = 0;
    while (first < count && m_positions.at(first + 1).x() + GlyphBleed < area.left()) {
        ++first;
    }
    std::size_t end = count;
    while (end > first && m_positions.at(end - 1).x() - GlyphBleed > area.right()) {
        --end;
    }
    if (end > first) {
        m_run.setRawData(m_indexes.data() + first, m_positions.data() + first,
                         static_cast<int>(end - first));
        painter.drawGlyphRun({}, m_run);
    }
}

void DisplayField::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (isTicking()) {
        endTicking();
    }
    layOut(m_text);
}

void DisplayField::moveEvent(QMoveEvent* event)
{
    QFrame::moveEvent(event);
    if (isTicking()) {
        endTicking();
    }
    // Qt may move its copy of the field's pixels, which lack what was
    // written.
    if (m_watchedWindow) {
        update();
    }
}

void DisplayField::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    if (isTicking()) {
        endTicking();
    }
}

void DisplayField::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (isTicking() &&
        (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
         event->type() == QEvent::StyleChange)) {
        endTicking();
    }
    if (event->type() == QEvent::PaletteChange) {
        // The glyphs are painted anew in the new colours.
        m_written = {};
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        takeFont();
        updateGeometry();
        update();
    }
}

} // namespace tikkro::widgets
