// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpinArrows.h"

namespace tikkro::ui {

SpinArrows::SpinArrows(Painter painter, QWidget* parent) : ImageWidget(std::move(painter), parent)
{
    // The arrows are buttons; they follow the palette's button text colour.
    setForegroundRole(QPalette::ButtonText);
}

void SpinArrows::setArrowNames(const QString& up, const QString& down)
{
    m_upName = up;
    m_downName = down;
}

QRect SpinArrows::arrowRect(int direction) const
{
    const int half = height() / 2;
    return direction > 0 ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

void SpinArrows::step(int direction)
{
    Q_EMIT stepRequested(direction > 0 ? 1 : -1);
}

} // namespace tikkro::ui
