// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace tikkro::desktop {

namespace {

QMessageBox::Icon toQt(MessageService::Icon icon)
{
    switch (icon) {
    case MessageService::Icon::Information:
        return QMessageBox::Information;
    case MessageService::Icon::Warning:
        return QMessageBox::Warning;
    case MessageService::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString titleOrApplication(const QString& title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

} // namespace

// Texts carry file and alarm names as the user typed them; a name such as
// "<b>run</b>" must show as typed, not as markup.
QtMessageService::QtMessageService(QWidget* parent) : m_parent(parent) {}

void QtMessageService::show(const QString& text, Icon icon, const QString& title)
{
    QMessageBox box(toQt(icon), titleOrApplication(title), text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtMessageService::showModeless(const QString& text, Icon icon, const QString& title)
{
    // Owned by Qt: the box deletes itself when the user closes it.
    auto* box =
        new QMessageBox(toQt(icon), titleOrApplication(title), text, QMessageBox::Ok, m_parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void QtMessageService::showFor(const QString& text, Icon icon, std::chrono::milliseconds timeout,
                               const QString& title)
{
    QMessageBox box(toQt(icon), titleOrApplication(title), text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    QTimer::singleShot(timeout, &box, &QMessageBox::accept);
    box.exec();
}

void QtMessageService::beep()
{
    QApplication::beep();
}

} // namespace tikkro::desktop
