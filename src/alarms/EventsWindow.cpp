// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/EventsWindow.h"

#include "placement/WindowCentring.h"
#include "widgets/Contrast.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tikkro::alarms {

namespace {
// The box has room for about two and a half entries of this width, in the
// characters and lines of the desktop's font, so it grows with the font.
constexpr int BoxColumns = 67;
constexpr double BoxLines = 9.5;
} // namespace

EventsWindow::EventsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_textEdit(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Alarm and Timer Events"));

    m_textEdit->setObjectName(QStringLiteral("eventText"));
    m_textEdit->setAccessibleName(tr("Events"));
    m_textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textEdit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const QFontMetrics metrics = m_textEdit->fontMetrics();
    m_textEdit->setFixedSize(BoxColumns * metrics.averageCharWidth(),
                             qRound(BoxLines * metrics.lineSpacing()));
    // The box keeps its cyan in every palette, so its text colour is chosen
    // for the cyan, not taken from a palette that may be light or dark.
    const QColor cyan(0, 192, 192);
    QPalette palette = m_textEdit->palette();
    palette.setColor(QPalette::Base, cyan);
    palette.setColor(QPalette::Text, widgets::Contrast::textOn(cyan));
    m_textEdit->setPalette(palette);

    // The window has a fixed size: the box with a narrow border, wider above
    // and to the left.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 6, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_textEdit);
    adjustSize();

    placement::WindowCentring::centreOnScreen(*this);
}

QString EventsWindow::text() const
{
    return m_textEdit->toPlainText();
}

QString EventsWindow::title(const AlarmMonitor::Firing& firing)
{
    return (firing.kind == AlarmSlots::Kind::Alarm ? tr("Alarm '%1") : tr("Timer '%1"))
        .arg(firing.name);
}

void EventsWindow::addEntry(const AlarmMonitor::Firing& firing)
{
    QTextDocument* document = m_textEdit->document();
    QString entry = document->isEmpty() ? QString() : QStringLiteral("\n");
    entry += title(firing) + QStringLiteral("':\n");
    entry += tr("    was due at: %1").arg(firing.due) + QLatin1Char('\n');
    entry += tr("    effective at: %1").arg(firing.effective) +
             (firing.late ? lateMark() : QString()) + QLatin1Char('\n');
    // The entries are not edits the user could take back.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(entry);
    document->setUndoRedoEnabled(true);
}

} // namespace tikkro::alarms
