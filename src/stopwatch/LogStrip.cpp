// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopwatch/LogStrip.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace tikkro::stopwatch {

LogStrip::LogStrip(QWidget* parent) : QPlainTextEdit(parent), m_pasteTimer(new QTimer(this))
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    // A timer, not a queued call, takes the next round: queued calls run
    // before the window's timers, which would then wait two rounds.
    m_pasteTimer->setSingleShot(true);
    m_pasteTimer->setInterval(0);
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        // What follows the change is what followed it before, so the
        // end left untouched is the shorter of the two.
        m_changedFrom = std::min(m_changedFrom, position);
        m_unchangedEnd =
            std::min(m_unchangedEnd, document()->characterCount() - 1 - position - added);
    });
    connect(m_pasteTimer, &QTimer::timeout, this, [this] {
        if (isPasting()) {
            pasteRound(false);
        }
    });
}

void LogStrip::append(const QString& piece)
{
    // The program's own lines are not edits the user could take back, and
    // an undo step per line would grow without bound over a long session.
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(piece);
    doc->setUndoRedoEnabled(true);
}

QString LogStrip::text() const
{
    return toPlainText();
}

QString LogStrip::textSinceLast()
{
    // Only the characters between the first change and the end left
    // untouched since the last call are taken from the document; the rest is
    // as the last text has it.
    const int length = document()->characterCount() - 1;
    const int from = std::min(m_changedFrom, length);
    const int end = std::max(0, std::min(m_unchangedEnd, length - from));
    const int changed = length - from - end;
    // Taken through a cursor, text costs many times what toPlainText() does
    // for the whole; past a sixteenth of the strip the whole is cheaper.
    if (changed > length / 16 || from + end > m_lastText.size()) {
        m_lastText = toPlainText();
    } else if (changed > 0 || length != m_lastText.size()) {
        QTextCursor middle(document());
        middle.setPosition(from);
        middle.setPosition(from + changed, QTextCursor::KeepAnchor);
        // The characters toPlainText() turns into plain ones.
        QString text = middle.selectedText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        text.replace(QChar::Nbsp, QLatin1Char(' '));
        // In place: only what follows the change moves.
        m_lastText.replace(from, m_lastText.size() - from - end, text);
    }
    m_changedFrom = std::numeric_limits<int>::max();
    m_unchangedEnd = std::numeric_limits<int>::max();
    return m_lastText;
}

void LogStrip::setKeptText(const QString& text)
{
    setPlainText(text);
    m_lastText = text;
    m_changedFrom = std::numeric_limits<int>::max();
    m_unchangedEnd = std::numeric_limits<int>::max();
}

void LogStrip::clear()
{
    m_pasteRest.clear();
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
    // A key held with Alt is a command, never typing (AltGr, which types the
    // third level of a layout, is a different modifier on Linux). The strip
    // leaves it to the window, as with any key it has no use for.
    if (event->modifiers().testFlag(Qt::AltModifier)) {
        event->ignore();
        return;
    }
    // What the user types goes after what they pasted before.
    finishPaste();
    QPlainTextEdit::keyPressEvent(event);
}

void LogStrip::insertFromMimeData(const QMimeData* source)
{
    if (source == nullptr || !source->hasText()) {
        return;
    }
    finishPaste();
    // QPlainTextEdit pastes by building the whole text as a second document and
    // copying it in block by block, which for megabytes holds the window
    // for seconds. Inserting the plain text directly, a slice at a time,
    // costs half as much and lets the clock and the buttons run meanwhile.
    m_pasteRest = source->text();
    m_pasteNext = 0;
    m_pasteCursor = textCursor();
    if (m_pasteRest.isEmpty()) {
        return;
    }
    pasteRound(m_pasteRest.size() <= PasteSliceChars);
}

void LogStrip::finishPaste()
{
    if (isPasting()) {
        pasteRound(true);
    }
}

void LogStrip::pasteRound(bool all)
{
    QElapsedTimer round;
    round.start();
    while (m_pasteNext < m_pasteRest.size()) {
        // Whole lines only: text added inside one line makes the document
        // lay that line out again at once, which for a long line at every
        // slice would cost far more than the paste itself.
        qsizetype end = m_pasteRest.size();
        if (end - m_pasteNext > PasteSliceChars) {
            // The last line end within the slice, or else the end of the
            // long line the slice starts in.
            qsizetype lineEnd =
                m_pasteRest.lastIndexOf(QLatin1Char('\n'), m_pasteNext + PasteSliceChars - 1);
            if (lineEnd < m_pasteNext) {
                lineEnd = m_pasteRest.indexOf(QLatin1Char('\n'), m_pasteNext + PasteSliceChars);
            }
            end = lineEnd < 0 ? m_pasteRest.size() : lineEnd + 1;
        }
        // The paste is one step for Undo, however many slices it takes.
        m_pasteCursor.setKeepPositionOnInsert(false);
        if (m_pasteNext == 0) {
            m_pasteCursor.beginEditBlock();
        } else {
            // Text inserted at the cursor between slices moves its anchor,
            // which would make that text a selection for the slice to
            // replace.
            m_pasteCursor.clearSelection();
            m_pasteCursor.joinPreviousEditBlock();
        }
        // The cursor turns CR LF, as text from other programs may have it,
        // into one line break; a slice never ends between the two.
        m_pasteCursor.insertText(m_pasteRest.mid(m_pasteNext, end - m_pasteNext));
        m_pasteCursor.endEditBlock();
        // Between slices, a command's line appended at the same spot goes
        // after the pasted text, not into it.
        m_pasteCursor.setKeepPositionOnInsert(true);
        m_pasteNext = end;
        if (!all && round.elapsed() >= PasteRoundMs) {
            m_pasteTimer->start();
            return;
        }
    }
    m_pasteRest.clear();
    m_pasteCursor.setKeepPositionOnInsert(false);
    setTextCursor(m_pasteCursor);
    ensureCursorVisible();
}

} // namespace tikkro::stopwatch
