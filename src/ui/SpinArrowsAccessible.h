// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <array>

namespace tikkro::ui {

class SpinArrows;

// A spin button picture as assistive technology sees it: a group of two
// push buttons, the up arrow and the down arrow.
class SpinArrowsAccessible : public QAccessibleWidget
{
public:
    explicit SpinArrowsAccessible(SpinArrows* arrows);
    ~SpinArrowsAccessible() override;
    SpinArrowsAccessible(const SpinArrowsAccessible&) = delete;
    SpinArrowsAccessible& operator=(const SpinArrowsAccessible&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QStringList actionNames() const override;

private:
    // The arrows' interfaces, made on first use and owned by Qt's cache
    // under these ids until this one goes.
    mutable std::array<QAccessible::Id, 2> m_arrowIds{};
};

} // namespace tikkro::ui
