// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace tikkro::stopwatch {

// The log strip: free text the user may edit, to which the commands append
// their lines. Appending costs time in proportion to the piece, not to the
// whole strip, so a Lap stays instant after a long day of laps. Read back,
// every line ends with CR LF, the user's own lines included.
class LogStrip : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LogStrip(QWidget* parent = nullptr);

    void append(const QString& piece);
    QString text() const;
    void clear();
    bool isEmpty() const;
    void moveToEnd();

Q_SIGNALS:
    // Every key press, before the text box acts on it; the key is not
    // consumed.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tikkro::stopwatch
