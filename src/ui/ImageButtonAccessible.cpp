// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ImageButtonAccessible.h"

#include "ui/ImageButton.h"

namespace tikkro::ui {

ImageButtonAccessible::ImageButtonAccessible(ImageButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{}

ImageButton* ImageButtonAccessible::button() const
{
    return static_cast<ImageButton*>(widget());
}

QAccessible::State ImageButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.disabled = !button()->isAvailable();
    return state;
}

QString ImageButtonAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Accelerator) {
        return button()->keyBinding().toString(QKeySequence::NativeText);
    }
    return QAccessibleWidget::text(kind);
}

int ImageButtonAccessible::childCount() const
{
    return 0;
}

QAccessibleInterface* ImageButtonAccessible::child(int) const
{
    return nullptr;
}

int ImageButtonAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* ImageButtonAccessible::childAt(int, int) const
{
    return nullptr;
}

QStringList ImageButtonAccessible::actionNames() const
{
    // Offered while grey too, as a disabled push button offers it; pressing
    // then does nothing.
    return {pressAction()};
}

void ImageButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction()) {
        button()->press();
    }
}

QStringList ImageButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() && !button()->keyBinding().isEmpty()) {
        return {button()->keyBinding().toString(QKeySequence::NativeText)};
    }
    return {};
}

} // namespace tikkro::ui
