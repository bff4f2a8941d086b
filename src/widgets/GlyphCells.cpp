// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GlyphCells.h"

#include <QGlyphRun>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tikkro::widgets {

void GlyphCells::reset(const QRawFont& font, QColor text, QColor background, int top, int height)
{
    m_font = font;
    m_text = text;
    m_background = background;
    m_top = top;
    m_height = height;
    m_cells.clear();
    m_checked.clear();
}

std::pair<int, int> GlyphCells::copy(std::span<const quint32> glyphs,
                                     std::span<const QPointF> positions, std::size_t first,
                                     QImage& image)
{
    const std::size_t end = glyphs.size();
    if (first >= end || positions.size() != end + 1 || m_top < 0 ||
        m_top + m_height > image.height() || image.format() != QImage::Format_RGB32) {
        return {};
    }
    const auto columnOf = [&positions](std::size_t i) { return qRound(positions[i].x()); };
    if (columnOf(0) < 0 || columnOf(end) > image.width()) {
        return {};
    }
    // Glyphs left of the change still show: their ink must stay out of the
    // columns copied to.
    m_checked.resize(end);
    for (std::size_t i = 0; i < first; ++i) {
        Checked& checked = m_checked[i];
        if (checked.glyph != glyphs[i] || checked.x != positions[i].x()) {
            if (cell(glyphs[i], positions[i], columnOf(i), columnOf(i + 1)).isNull()) {
                return {};
            }
            checked = {glyphs[i], positions[i].x()};
        }
    }
    for (std::size_t i = first; i < end; ++i) {
        const QImage& pixels = cell(glyphs[i], positions[i], columnOf(i), columnOf(i + 1));
        if (pixels.isNull()) {
            return {};
        }
        m_checked[i] = {glyphs[i], positions[i].x()};
        place(pixels, pixels.rect(), image, {columnOf(i), m_top});
    }
    return {columnOf(first), columnOf(end)};
}

void GlyphCells::place(const QImage& from, const QRect& source, QImage& to, QPoint target)
{
    const auto rowBytes = static_cast<std::size_t>(source.width()) * 4;
    for (int y = 0; y < source.height(); ++y) {
        std::memcpy(to.scanLine(target.y() + y) + static_cast<std::ptrdiff_t>(target.x()) * 4,
                    from.constScanLine(source.y() + y) +
                        static_cast<std::ptrdiff_t>(source.x()) * 4,
                    rowBytes);
    }
}

QImage GlyphCells::cellOf(quint32 glyph, QPointF position, QPointF next)
{
    return cell(glyph, position, qRound(position.x()), qRound(next.x()));
}

const QImage& GlyphCells::cell(quint32 glyph, QPointF origin, int left, int right)
{
    const QPointF inCell = origin - QPointF(left, m_top);
    const int width = right - left;
    for (const Cell& known : m_cells) {
        if (known.glyph == glyph && known.origin == inCell && known.width == width) {
            return known.pixels;
        }
    }
    return m_cells.emplace_back(Cell{glyph, inCell, width, paint(glyph, inCell, width)}).pixels;
}

QImage GlyphCells::paint(quint32 glyph, QPointF origin, int width) const
{
    const QRectF ink = m_font.boundingRect(glyph);
    if (width < 0 || origin.y() + ink.top() < 0 || origin.y() + ink.bottom() > m_height) {
        return {};
    }
    // Painted with room either side for all the ink the glyph may have, so
    // that any ink outside the cell shows.
    const qreal overhang =
        std::max({-origin.x() - ink.left(), origin.x() + ink.right() - width, qreal(0)});
    const int room = static_cast<int>(std::ceil(overhang)) + 2;
    QImage wide(width + 2 * room, m_height, QImage::Format_RGB32);
    wide.fill(m_background);
    {
        QPainter painter(&wide);
        painter.setPen(m_text);
        QGlyphRun run;
        run.setRawFont(m_font);
        run.setGlyphIndexes({glyph});
        run.setPositions({origin + QPointF(room, 0)});
        painter.drawGlyphRun({}, run);
    }
    const QRgb background = m_background.rgb();
    for (int y = 0; y < m_height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(wide.constScanLine(y));
        const auto outside = [row, background](int from, int to) {
            return std::any_of(row + from, row + to,
                               [background](QRgb p) { return p != background; });
        };
        if (outside(0, room) || outside(room + width, wide.width())) {
            return {};
        }
    }
    return wide.copy(room, 0, width, m_height);
}

} // namespace tikkro::widgets
