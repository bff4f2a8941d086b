// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/DisplayTicker.h"
#include "widgets/GlyphCells.h"
#include "widgets/WindowPixelWriter.h"

#include <QFrame>
#include <QGlyphRun>
#include <QImage>
#include <QPointer>
#include <QRawFont>
#include <QString>

#include <array>
#include <chrono>
#include <memory>
#include <optional>

class QPainter;
class QWindow;

namespace tikkro::widgets {

// A display-only text field: centred text in a sunken frame, its colours
// from the palette (Window behind, WindowText for the text). Its size comes
// from the longest text it is meant to show, not from the text it shows, so
// a running clock never makes the window lay itself out again.
// A running clock changes a few characters at a time: only those are
// painted again, from glyphs looked up once, without laying the text out.
// Assistive technology reads the text whenever it asks; it is told of a
// change only when the whole seconds or the form of the text change, so a
// running clock does not flood it with 66 changes a second.
// Where the platform allows, those few characters are written straight into
// the window instead of through Qt's repaint, copied from glyphs painted
// once; Qt paints the field again whenever the window shows anew, as its own
// copy of it may be out of date. There, too, a running clock may refresh
// itself from a thread of its own.
class DisplayField : public QFrame
{
    Q_OBJECT
public:
    // sample: the widest text the field must show whole.
    explicit DisplayField(const QString& sample, QWidget* parent = nullptr);
    ~DisplayField() override;

    // Writes the changed characters into the window: the platform's own
    // writer unless set; none paints them through Qt.
    void setPixelWriter(std::unique_ptr<WindowPixelWriter> writer);

    QString text() const;
    // Takes the text back from a thread that refreshes it.
    void setText(const QString& text);

    // Hands the refresh of a running text to a thread of its own, which
    // writes it into the window every interval, the text from source there,
    // until stopTicking or until source hands it back. False where it
    // cannot: where the field cannot write into its window, with a screen
    // reader listening (it is told of changes from here), or where the
    // text's digits cannot be copied.
    bool startTicking(DisplayTicker::TextSource source, std::chrono::milliseconds interval);
    // Takes the text back from the thread, as it was last written.
    void stopTicking();
    bool isTicking() const { return m_ticker.isRunning(); }

    // Where character i is drawn, or an empty rectangle past the text.
    QRect characterRect(qsizetype i) const;

    // Whether a change from the text last told to assistive technology to
    // the new one is worth telling: any change but one of the fraction of a
    // second.
    static bool isWorthAnnouncing(const QString& told, const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The thread gave the text back of itself, or the field changed in a way
    // that voids the thread's copy of it.
    void tickingEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A printable ASCII character's glyph in the field's font.
    struct Glyph
    {
        quint32 index = 0;
        qreal advance = 0;
    };
    static constexpr char16_t FirstGlyph = 0x20;
    static constexpr char16_t LastGlyph = 0x7e;
    static constexpr qsizetype MaxGlyphs = 32;
    // How far a glyph's edge may reach past its advance, in pixels.
    static constexpr int GlyphBleed = 2;

    void announceChange();
    // For a new font or style: the glyphs, the size and the layout afresh.
    void takeFont();
    std::optional<Glyph> glyphOf(QChar c) const;
    // Lays out the text from the glyphs alone into m_indexes and m_positions;
    // false where the font lacks a glyph, or the text is long, and only Qt's
    // text layout, with its fallback fonts, can draw it.
    bool layOut(const QString& text);
    // Lays out a text as long as the one before it whose changed characters
    // keep their advances: only those are looked up, and nothing moves.
    // Returns the first changed character; none where the text must be laid
    // out afresh.
    std::optional<std::size_t> changeInPlace(const QString& before);
    // The part of the field to paint from the first change on.
    QRect changedArea(std::optional<std::size_t> first) const;
    // Draws the laid-out glyphs that reach area.
    void drawGlyphs(QPainter& painter, const QRect& area);
    // Writes the characters from the first change on into the window; false
    // where Qt must paint them.
    bool writeToWindow(std::optional<std::size_t> first);
    // The window to write into, with the image written and the glyphs' cells
    // ready; none where Qt must paint.
    QWidget* writableWindow();
    void watchWindow(QWindow* handle);
    // The line as the ticker takes it over; none where it cannot.
    std::optional<DisplayTicker::Line> tickingLine();
    // Stops the ticker and says so.
    void endTicking();

    QString m_sample;
    QString m_text;
    QString m_announced;
    QSize m_sizeHint;
    QRawFont m_rawFont;
    qreal m_ascent = 0;
    qreal m_descent = 0;
    // Looked up on first use, for the font in use.
    mutable std::array<std::optional<Glyph>, LastGlyph - FirstGlyph + 1> m_glyphs;
    // The laid-out text: the glyphs, where their baselines start and where
    // the text ends; valid while m_laidOut.
    std::array<quint32, MaxGlyphs> m_indexes{};
    std::array<QPointF, MaxGlyphs + 1> m_positions{};
    bool m_laidOut = false;
    // Points into m_indexes and m_positions, at the glyphs being painted.
    QGlyphRun m_run;
    std::unique_ptr<WindowPixelWriter> m_writer;
    // The field as last written, its characters mostly copied from m_cells.
    QImage m_written;
    GlyphCells m_cells;
    // The window written into, watched for showing anew.
    QPointer<QWindow> m_watchedWindow;
    DisplayTicker m_ticker;
    // Counts the ticker's starts, so that the end of one run of it that was
    // on its way when another started ends nothing.
    quint64 m_tickerRuns = 0;
};

} // namespace tikkro::widgets
