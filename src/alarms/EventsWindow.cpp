// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/frmEvents.h"

#include "ui/Twips.h"
#include "ui/WindowCentring.h"

#include <QPalette>
#include <QPlainTextEdit>

namespace tikkro::alarms {

frmEvents::frmEvents(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_txtEventLog(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Alarm and Timer Events"));
    setFixedSize(ui::twipsSize(6225, 2175));

    m_txtEventLog->setObjectName(QStringLiteral("txtEventLog"));
    m_txtEventLog->setGeometry(ui::twipsRect(120, 120, 6015, 1995));
    m_txtEventLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtEventLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette palette = m_txtEventLog->palette();
    palette.setColor(QPalette::Base, QColor(0, 192, 192));
    m_txtEventLog->setPalette(palette);

    ui::WindowCentring::centreOnScreen(*this);
}

QString frmEvents::text() const
{
    QString text = m_txtEventLog->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void frmEvents::setText(const QString& text)
{
    // The box keeps plain line breaks; CR LF is the log's own line end.
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_txtEventLog->setPlainText(plain);
}

} // namespace tikkro::alarms
