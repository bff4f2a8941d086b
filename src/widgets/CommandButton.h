// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace tikkro::widgets {

// A command button drawn as a blue oval with its word on it and the access
// letter underlined: white while the command is offered (enabled), grey
// while it is not (disabled) and while it is held down. The "&" in the text
// gives Alt with that letter as the button's shortcut, anywhere in its window.
// Its word is set in the widget's font, bold, a little smaller than the
// desktop's text; the button grows with that font.
class CommandButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CommandButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // Pressed with any mouse button (at the press, stamped with the mouse
    // event's time), with Space while it has the focus, or by assistive
    // technology (stamp 0: now). Only an enabled button is pressed.
    void commanded(quint64 timestamp);
    // Pressed with its Alt key. The shortcut carries no time stamp; the
    // window that saw the key go by knows it.
    void shortcutPressed();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFont wordFont() const;
    QString word() const;
};

} // namespace tikkro::widgets
