// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/EventsWindow.h"

#include "ui/Contrast.h"
#include "ui/LineEnds.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"

#include <QPalette>
#include <QPlainTextEdit>

namespace tikkro::alarms {

EventsWindow::EventsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_textBox(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Alarm and Timer Events"));
    setFixedSize(ui::twipsSize(6225, 2175));

    m_textBox->setObjectName(QStringLiteral("eventText"));
    m_textBox->setAccessibleName(QStringLiteral("Events"));
    m_textBox->setGeometry(ui::twipsRect(120, 120, 6015, 1995));
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The box keeps its cyan in every palette, so its text colour is chosen
    // for the cyan, not taken from a palette that may be light or dark.
    const QColor cyan(0, 192, 192);
    QPalette palette = m_textBox->palette();
    palette.setColor(QPalette::Base, cyan);
    palette.setColor(QPalette::Text, ui::Contrast::textOn(cyan));
    m_textBox->setPalette(palette);

    ui::WindowCentring::centreOnScreen(*this);
}

QString EventsWindow::text() const
{
    return ui::LineEnds::toCrLf(m_textBox->toPlainText());
}

void EventsWindow::setText(const QString& text)
{
    m_textBox->setPlainText(ui::LineEnds::toLineFeeds(text));
}

} // namespace tikkro::alarms
