// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpinArrowAccessible.h"

#include "ui/SpinArrows.h"

#include <QKeySequence>
#include <QWidget>
#include <QWindow>

namespace tikkro::ui {

SpinArrowAccessible::SpinArrowAccessible(SpinArrows* arrows, int direction)
    : m_arrows(arrows), m_direction(direction)
{}

bool SpinArrowAccessible::isValid() const
{
    return !m_arrows.isNull();
}

QObject* SpinArrowAccessible::object() const
{
    return nullptr;
}

QWindow* SpinArrowAccessible::window() const
{
    return m_arrows.isNull() ? nullptr : m_arrows->window()->windowHandle();
}

QAccessibleInterface* SpinArrowAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* SpinArrowAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_arrows.data());
}

QAccessibleInterface* SpinArrowAccessible::child(int) const
{
    return nullptr;
}

int SpinArrowAccessible::childCount() const
{
    return 0;
}

int SpinArrowAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString SpinArrowAccessible::text(QAccessible::Text kind) const
{
    if (m_arrows.isNull()) {
        return {};
    }
    switch (kind) {
    case QAccessible::Name:
        return m_arrows->arrowName(m_direction);
    case QAccessible::Accelerator:
        return keyBindingsForAction(pressAction()).value(0);
    default:
        return {};
    }
}

void SpinArrowAccessible::setText(QAccessible::Text, const QString&) {}

QRect SpinArrowAccessible::rect() const
{
    if (m_arrows.isNull()) {
        return {};
    }
    const QRect local = m_arrows->arrowRect(m_direction);
    return {m_arrows->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role SpinArrowAccessible::role() const
{
    return QAccessible::Button;
}

QAccessible::State SpinArrowAccessible::state() const
{
    QAccessible::State state;
    if (m_arrows.isNull()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !m_arrows->isVisible();
    state.offscreen = state.invisible;
    state.disabled = !m_arrows->isEnabled();
    return state;
}

void* SpinArrowAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList SpinArrowAccessible::actionNames() const
{
    return {pressAction()};
}

void SpinArrowAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && !m_arrows.isNull() && m_arrows->isEnabled()) {
        m_arrows->step(m_direction);
    }
}

QStringList SpinArrowAccessible::keyBindingsForAction(const QString& actionName) const
{
    // The field beside the arrows steps with the same keys.
    if (actionName != pressAction()) {
        return {};
    }
    return {QKeySequence(m_direction > 0 ? Qt::Key_Up : Qt::Key_Down)
                .toString(QKeySequence::NativeText)};
}

} // namespace tikkro::ui
