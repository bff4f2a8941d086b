// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRawFont>
#include <QRect>

#include <span>
#include <vector>

namespace tikkro::widgets {

// A line of glyphs whose changes are copied from glyphs painted once each,
// alone on the background: a running clock shows the same dozen glyphs at
// the same few places, and copying a few rows of pixels costs far less than
// painting them. Each glyph owns the columns from its place to the next,
// rounded; copying a glyph there gives what painting the whole line gives
// only while no glyph's ink reaches past its own columns, so the copies are
// refused for a line where one does.
class GlyphCells
{
public:
    // Forgets every glyph painted: for a new font, colours or height. The
    // cells span rows [top, top + height) of the image they are copied into.
    void reset(const QRawFont& font, QColor text, QColor background, int top, int height);

    // Copies glyphs [first, end) of the line into image, each one's baseline
    // starting at its position; positions holds one more, where the line
    // ends. Returns the columns copied to, as [left, right); an empty range
    // where the copies would differ from the line painted whole, and some of
    // those columns may then hold copies.
    std::pair<int, int> copy(std::span<const quint32> glyphs, std::span<const QPointF> positions,
                             std::size_t first, QImage& image);

    // The cell of a glyph at position, up to the next glyph's; null where
    // its ink leaves the cell.
    QImage cellOf(quint32 glyph, QPointF position, QPointF next);

    // Copies the pixels of from in source into to at target, row by row:
    // both 32-bit, and the rows in range. Safe on any thread for images no
    // other thread writes.
    static void place(const QImage& from, const QRect& source, QImage& to, QPoint target);

private:
    struct Cell
    {
        quint32 glyph = 0;
        // Where the glyph's baseline starts in the cell: glyphs at the same
        // fraction of a pixel are painted alike.
        QPointF origin;
        int width = 0;
        // Null where the glyph's ink leaves the cell.
        QImage pixels;
    };
    // A glyph of the line found to stay in its cell, and where.
    struct Checked
    {
        quint32 glyph = 0;
        qreal x = -1;
    };

    const QImage& cell(quint32 glyph, QPointF origin, int left, int right);
    QImage paint(quint32 glyph, QPointF origin, int width) const;

    QRawFont m_font;
    QColor m_text;
    QColor m_background;
    int m_top = 0;
    int m_height = 0;
    std::vector<Cell> m_cells;
    // Spares looking each glyph of the line up again while it stays.
    std::vector<Checked> m_checked;
};

} // namespace tikkro::widgets
