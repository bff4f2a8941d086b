// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpinArrowsAccessible.h"

#include "ui/SpinArrowAccessible.h"
#include "ui/SpinArrows.h"

namespace tikkro::ui {

namespace {
constexpr std::array<int, 2> Directions{1, -1};
} // namespace

SpinArrowsAccessible::SpinArrowsAccessible(SpinArrows* arrows)
    : QAccessibleWidget(arrows, QAccessible::Grouping)
{}

SpinArrowsAccessible::~SpinArrowsAccessible()
{
    for (const QAccessible::Id id : m_arrowIds) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

int SpinArrowsAccessible::childCount() const
{
    return static_cast<int>(m_arrowIds.size());
}

QAccessibleInterface* SpinArrowsAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    const auto at = static_cast<std::size_t>(index);
    if (m_arrowIds.at(at) == 0) {
        m_arrowIds.at(at) = QAccessible::registerAccessibleInterface(
            new SpinArrowAccessible(static_cast<SpinArrows*>(widget()), Directions.at(at)));
    }
    return QAccessible::accessibleInterface(m_arrowIds.at(at));
}

int SpinArrowsAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i) {
        const QAccessible::Id id = m_arrowIds.at(static_cast<std::size_t>(i));
        if (id != 0 && QAccessible::accessibleInterface(id) == child) {
            return i;
        }
    }
    return -1;
}

QAccessibleInterface* SpinArrowsAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* arrow = child(i);
        if (arrow->rect().contains(x, y)) {
            return arrow;
        }
    }
    return nullptr;
}

QStringList SpinArrowsAccessible::actionNames() const
{
    // The group itself does nothing; its arrows do.
    return {};
}

} // namespace tikkro::ui
