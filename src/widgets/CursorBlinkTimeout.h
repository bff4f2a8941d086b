// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace tikkro::widgets {

// Stops the text cursor's blinking once the user has neither typed nor
// clicked for a while, and starts it again at the next key or click, as
// GTK desktops do. A blinking cursor wakes the program twice a second,
// which is all an idle window would otherwise cost. A desktop that does not
// blink the cursor at all is left alone.
class CursorBlinkTimeout : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 10'000;

    explicit CursorBlinkTimeout(int timeoutMs = DefaultTimeoutMs, QObject* parent = nullptr);
    ~CursorBlinkTimeout() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopBlinking();

    // The desktop's own flash time, given back at every key or click.
    const int m_flashTimeMs;
    QTimer m_timeout;
};

} // namespace tikkro::widgets
