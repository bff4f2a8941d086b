// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/MessageService.h"

#include <QPointer>

class QWidget;

namespace tikkro::desktop {

class QtMessageService final : public MessageService
{
public:
    explicit QtMessageService(QWidget* parent = nullptr);

    void show(const QString& text, Icon icon, const QString& title = {}) override;
    void showModeless(const QString& text, Icon icon, const QString& title = {}) override;
    void showFor(const QString& text, Icon icon, std::chrono::milliseconds timeout,
                 const QString& title = {}) override;
    void beep() override;

    void setParent(QWidget* parent) { m_parent = parent; }

private:
    QPointer<QWidget> m_parent;
};

} // namespace tikkro::desktop
