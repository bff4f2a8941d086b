// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FittedFonts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>
#include <map>

namespace tikkro::ui {

namespace {

// A font's size in points, or in pixels where it was given so.
double sizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

void setSize(QFont& font, double size)
{
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(size);
    } else {
        font.setPixelSize(qMax(1, qRound(size)));
    }
}

bool textFits(const QFont& font, const QRect& room, int flags, const QString& text)
{
    const QRect needed = QFontMetrics(font).boundingRect(room, flags | Qt::TextShowMnemonic, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// Where a text box draws its text: inside the frame, less the two pixels it
// keeps clear on either side.
QRect textRoom(const QLineEdit* box)
{
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.rect = box->rect();
    frame.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    frame.midLineWidth = 0;
    return box->style()
        ->subElementRect(QStyle::SE_LineEditContents, &frame, box)
        .marginsRemoved(box->textMargins())
        .adjusted(2, 0, -2, 0);
}

QRect buttonRoom(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

} // namespace

FittedFonts::FittedFonts(QWidget& window) : QObject(&window), m_window(window)
{
    m_window.installEventFilter(this);
}

void FittedFonts::requireWidth(QLineEdit* box, const QString& widest)
{
    m_widthRules.push_back({box, widest});
}

QString FittedFonts::widestFor(const QLineEdit* box) const
{
    for (const WidthRule& rule : m_widthRules) {
        if (rule.box == box) {
            return rule.widest;
        }
    }
    return {};
}

bool FittedFonts::fits(const QWidget* control, const QFont& font) const
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        return textFits(font, label->contentsRect(), static_cast<int>(label->alignment()) | wrap,
                        label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return textFits(font, buttonRoom(button), Qt::AlignCenter, button->text());
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        const QRect room = textRoom(box);
        const QFontMetrics metrics(font);
        // The caret takes a pixel beside the text.
        return metrics.height() <= room.height() &&
               metrics.horizontalAdvance(widestFor(box)) + 1 <= room.width();
    }
    return true;
}

void FittedFonts::collect()
{
    m_collected = true;
    const QList<QWidget*> children = m_window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (qobject_cast<QLabel*>(child) == nullptr &&
            qobject_cast<QAbstractButton*>(child) == nullptr &&
            qobject_cast<QLineEdit*>(child) == nullptr) {
            continue;
        }
        const QWidget* parent = child->parentWidget();
        const double parentSize = sizeOf(parent->font());
        const double scale = parentSize > 0 ? sizeOf(child->font()) / parentSize : 1.0;
        m_controls.push_back({child, scale});
    }
}

double FittedFonts::fittedSize(const Control& control) const
{
    const QWidget* widget = control.widget.data();
    QFont font = widget->font();
    double size = sizeOf(widget->parentWidget()->font()) * control.scale;
    setSize(font, size);
    while (!fits(widget, font) && size - 0.5 >= SmallestPoints) {
        size -= 0.5;
        setSize(font, size);
    }
    return size;
}

void FittedFonts::fit()
{
    if (!m_collected) {
        collect();
    }
    // Controls of one kind and one designed scale take the smallest size
    // any of them needs.
    std::map<std::pair<QByteArray, double>, double> shared;
    const auto kindOf = [](const Control& control) {
        return std::make_pair(QByteArray(control.widget->metaObject()->className()), control.scale);
    };
    for (const Control& control : m_controls) {
        if (control.widget.isNull()) {
            continue;
        }
        const double size = fittedSize(control);
        const auto [place, added] = shared.try_emplace(kindOf(control), size);
        if (!added) {
            place->second = std::min(place->second, size);
        }
    }
    // Setting a control's font sends the window no font change of its own,
    // but a style may: fitting once is enough.
    m_fitting = true;
    for (const Control& control : m_controls) {
        if (!control.widget.isNull()) {
            QFont font = control.widget->font();
            setSize(font, shared.at(kindOf(control)));
            control.widget->setFont(font);
        }
    }
    m_fitting = false;
}

bool FittedFonts::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && !m_fitting) {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::FontChange:
        case QEvent::ApplicationFontChange:
        case QEvent::StyleChange:
            fit();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tikkro::ui
