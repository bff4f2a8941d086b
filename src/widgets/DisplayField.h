// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QString>

namespace tikkro::widgets {

// A display-only text field: centred text in a sunken frame, its colours
// from the palette (Window behind, WindowText for the text). Its size comes
// from the longest text it is meant to show, not from the text it shows, so
// a running clock never makes the window lay itself out again.
// Assistive technology reads the text whenever it asks; it is told of a
// change only when the whole seconds or the form of the text change, so a
// running clock does not flood it with 66 changes a second.
class DisplayField : public QFrame
{
    Q_OBJECT
public:
    // sample: the widest text the field must show whole.
    explicit DisplayField(const QString& sample, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    // Where character i is drawn, or an empty rectangle past the text.
    QRect characterRect(qsizetype i) const;

    // Whether a change from the text last told to assistive technology to
    // the new one is worth telling: any change but one of the fraction of a
    // second.
    static bool isWorthAnnouncing(const QString& told, const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void announceChange();

    QString m_sample;
    QString m_text;
    QString m_announced;
};

} // namespace tikkro::widgets
