// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ImageWidget.h"

#include <QKeySequence>

namespace tikkro::ui {

// A command button drawn as two pictures: the live one above its grey twin,
// which shows through while the live one is hidden and the command is not
// offered. To the user the pair is one control, and assistive technology
// sees it so: one push button, unavailable while grey, that it can press.
class ImageButton : public QWidget
{
    Q_OBJECT
public:
    ImageButton(const ImageWidget::Painter& live, const ImageWidget::Painter& grey,
                QWidget* parent = nullptr);

    ImageWidget* live() const { return m_live; }
    ImageWidget* grey() const { return m_grey; }
    bool isAvailable() const { return !m_live->isHidden(); }

    // The key that presses the button, as assistive technology tells it.
    void setKeyBinding(const QKeySequence& key) { m_keyBinding = key; }
    QKeySequence keyBinding() const { return m_keyBinding; }

    // A press that comes without a mouse; it counts only while the command
    // is offered.
    void press();

Q_SIGNALS:
    void pressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageWidget* m_grey;
    ImageWidget* m_live;
    QKeySequence m_keyBinding;
};

} // namespace tikkro::ui
