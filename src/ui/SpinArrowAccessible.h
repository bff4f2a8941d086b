// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

namespace tikkro::ui {

class SpinArrows;

// One arrow of a spin button: a push button without a widget of its own,
// whose press steps the field once.
class SpinArrowAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    SpinArrowAccessible(SpinArrows* arrows, int direction);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<SpinArrows> m_arrows;
    int m_direction;
};

} // namespace tikkro::ui
