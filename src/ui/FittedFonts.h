// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QFont;
class QLineEdit;
class QWidget;

namespace tikkro::ui {

// Keeps the texts of a window with a fixed layout inside their controls: each
// label, button and text box takes the window's font (at the size it was
// designed relative to it) or, where that would not fit, the largest smaller
// size that does. Controls of one kind share one size, so that labels side by
// side match. A large desktop font thus never clips a word or a digit; the
// layout stays as it was designed. Fits again whenever the window's font or
// style changes.
class FittedFonts : public QObject
{
    Q_OBJECT
public:
    static constexpr double SmallestPoints = 6.0;

    // Fits the window's controls when it is first polished, before it shows.
    explicit FittedFonts(QWidget& window);

    // The text box must show this text whole, not only a line's height.
    void requireWidth(QLineEdit* box, const QString& widest);

    void fit();

    // Whether the text of a label, button or text box fits it in that font.
    bool fits(const QWidget* control, const QFont& font) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control
    {
        QPointer<QWidget> widget;
        // Its designed size over its parent's, so a bold title 10% larger
        // than the text stays so.
        double scale;
    };
    struct WidthRule
    {
        QPointer<QLineEdit> box;
        QString widest;
    };

    void collect();
    // The largest size up to the designed one at which the control's text fits.
    double fittedSize(const Control& control) const;
    QString widestFor(const QLineEdit* box) const;

    QWidget& m_window;
    std::vector<Control> m_controls;
    std::vector<WidthRule> m_widthRules;
    bool m_collected = false;
    bool m_fitting = false;
};

} // namespace tikkro::ui
