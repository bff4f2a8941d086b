// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QTextCursor>

class QTimer;

namespace tikkro::stopwatch {

// The log strip: free text the user may edit, to which the commands append
// their lines. Appending costs time in proportion to the piece, not to the
// whole strip, so a Lap stays instant after a long day of laps. Lines end
// with LF.
class LogStrip : public QPlainTextEdit
{
    Q_OBJECT
public:
    // A paste longer than this goes in a slice at a time, whole lines each,
    // with the window's events handled between slices.
    static constexpr qsizetype PasteSliceChars = 16 * 1024;
    // How long one round of slices may hold the window.
    static constexpr int PasteRoundMs = 15;

    explicit LogStrip(QWidget* parent = nullptr);

    void append(const QString& piece);
    QString text() const;
    // The same text, built from the one this gave last time and the part
    // changed since, so that on a long strip it costs time in proportion to
    // the change, not to the strip.
    QString textSinceLast();
    // Replaces the whole text with one textSinceLast() gave, so the next
    // call takes only what changes after, not the whole strip again.
    void setKeptText(const QString& text);
    void clear();
    bool isEmpty() const;
    void moveToEnd();

    // Whether a long paste is still going in; until it is done, text()
    // gives what is in so far.
    bool isPasting() const { return !m_pasteRest.isEmpty(); }
    // Puts the rest of a long paste in at once.
    void finishPaste();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Inserts slices until PasteRoundMs have passed or `all` is done.
    void pasteRound(bool all);

    // What textSinceLast() gave last, the first position changed since, and
    // how many characters at the end no change has touched since.
    QString m_lastText;
    int m_changedFrom = 0;
    int m_unchangedEnd = 0;

    QString m_pasteRest;
    qsizetype m_pasteNext = 0;
    QTextCursor m_pasteCursor;
    QTimer* m_pasteTimer;
};

} // namespace tikkro::stopwatch
