// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopwatch/LogStrip.h"

#include "ui/LineEnds.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tikkro::stopwatch {

LogStrip::LogStrip(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

void LogStrip::append(const QString& piece)
{
    // The document keeps lines as blocks; CR LF becomes a block break.
    const QString plain = ui::LineEnds::toLineFeeds(piece);

    // The program's own lines are not edits the user could take back, and
    // an undo step per line would grow without bound over a long session.
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(plain);
    doc->setUndoRedoEnabled(true);
}

QString LogStrip::text() const
{
    return ui::LineEnds::toCrLf(toPlainText());
}

void LogStrip::clear()
{
    setPlainText(QString());
}

bool LogStrip::isEmpty() const
{
    return document()->isEmpty();
}

void LogStrip::moveToEnd()
{
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void LogStrip::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT keyDown(event->key(), event->modifiers());
    // A key held with Alt is a command, never typing (AltGr, which types the
    // third level of a layout, is a different modifier on Linux). The text
    // box leaves it to the window, as with any key it has no use for.
    if (event->modifiers().testFlag(Qt::AltModifier)) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace tikkro::stopwatch
