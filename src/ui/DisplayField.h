// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>
#include <array>

namespace tikkro::ui {

// A display-only text field with centred text, drawn in a sunken frame like a
// read-only text box. It is meant for text rewritten many times a second: a
// new text repaints only the characters that changed, each from a picture
// rendered once, so a running clock costs a few small blits per refresh
// instead of laying out and shaping a whole line each time.
// Assistive technology reads the text whenever it asks; it is told of a
// change only when the whole seconds or the form of the text change, so a
// running clock does not flood it with 66 changes a second.
class DisplayField : public QWidget
{
    Q_OBJECT
public:
    explicit DisplayField(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    void setColors(const QColor& background, const QColor& foreground);

    // Where character i is drawn, or an empty rectangle past the text.
    QRect characterRect(qsizetype i) const;

    // Whether a change from the text last told to assistive technology to
    // the new one is worth telling: any change but one of the fraction of a
    // second.
    static bool isWorthAnnouncing(const QString& told, const QString& text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int advanceOf(QChar ch) const;
    void layoutText();
    void invalidatePictures();
    const QPixmap& glyph(QChar ch);
    const QPixmap& background();
    QRect cellRect(qsizetype from, qsizetype to) const;
    void announceChange();

    QString m_text;
    QString m_announced;
    QColor m_background = Qt::white;
    QColor m_foreground = Qt::black;
    QFont m_drawFont;         // the widget's font, made smaller where the text would not fit
    QVector<int> m_positions; // left edge of each character, plus the end
    int m_digitAdvance = 0;
    // Pictures at the current device pixel ratio: the empty field with its
    // frame, and each character on the field's background.
    QPixmap m_backgroundPicture;
    std::array<QPixmap, 128> m_glyphs;
};

} // namespace tikkro::ui
