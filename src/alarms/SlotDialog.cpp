// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/SlotDialog.h"

#include "alarms/AlarmArt.h"
#include "alarms/DigitField.h"
#include "alarms/SpinControl.h"
#include "ui/ActivationWatcher.h"
#include "ui/FittedFonts.h"
#include "ui/MessageService.h"
#include "ui/SpinArrows.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"
#include "ui/WindowTimer.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace tikkro::alarms {

SlotDialog::SlotDialog(const Services& services, const QString& caption,
                       const QString& disarmCaption, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_slots(services.slots), m_clock(services.clock), m_messages(services.messages),
      m_setter(services.slots, services.store, services.menu), m_nameField(new QLineEdit(this)),
      m_closeButton(new QPushButton(QStringLiteral("&Close"), this)),
      m_setButton(new QPushButton(QStringLiteral("&Set"), this)),
      m_disarmButton(new QPushButton(disarmCaption, this)), m_spin(new SpinControl(this)),
      m_fonts(new ui::FittedFonts(*this))
{
    setWindowTitle(caption);
    m_nameField->setObjectName(QStringLiteral("nameField"));
    // The field itself would cut a longer name, stored or pasted, without a
    // word; Set refuses one with a message instead.
    m_nameField->setMaxLength(std::numeric_limits<int>::max());
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_setButton->setObjectName(QStringLiteral("setButton"));
    m_disarmButton->setObjectName(QStringLiteral("disarmButton"));
    m_setButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_setButton, &QPushButton::clicked, this, [this] { set(); });
    connect(m_disarmButton, &QPushButton::clicked, this, [this] { disarm(); });
    new ui::ActivationWatcher(this, [this] { refill(); });
}

void SlotDialog::addFields(const QVector<FieldDesign>& fields, const QVector<int>& tabOrder)
{
    for (qsizetype k = 0; k < fields.size(); ++k) {
        const FieldDesign& design = fields.at(k);
        auto* heading = new QLabel(QString::fromLatin1(design.heading), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        heading->setGeometry(ui::twipsRect(design.left, 450, design.width, 255));

        const QString name = QString::fromLatin1(design.name);
        auto* field = new DigitField(this);
        field->setObjectName(QStringLiteral("field%1").arg(k));
        field->setAccessibleName(name);
        field->setText(design.rule.text(0));
        field->setGeometry(ui::twipsRect(design.left, 720, design.width, 315));
        heading->setBuddy(field);
        // Every digit of the field's widest value stays in view.
        m_fonts->requireWidth(field, design.rule.text(0));
        auto* spin = new ui::SpinArrows(&AlarmArt::paintSpinArrows, this);
        spin->setObjectName(QStringLiteral("spinButton%1").arg(k));
        spin->setArrowNames(QStringLiteral("Increase ") + name.toLower(),
                            QStringLiteral("Decrease ") + name.toLower());
        spin->setGeometry(ui::twipsRect(design.left + design.width + 15, 765, 165, 225));
        m_spin->add(field, spin, design.rule);
        m_fields.append(field);
        m_spinButtons.append(spin);
    }

    QWidget* previous = m_nameField;
    for (const int k : tabOrder) {
        setTabOrder(previous, m_fields.at(k));
        previous = m_fields.at(k);
    }
    setTabOrder(previous, m_closeButton);
    setTabOrder(m_closeButton, m_setButton);
    setTabOrder(m_setButton, m_disarmButton);
    ui::WindowCentring::centreOnScreen(*this);
}

void SlotDialog::addLabel(const QString& text, const QRect& geometry, QWidget* buddy)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(geometry);
    label->setBuddy(buddy);
}

ui::WindowTimer* SlotDialog::spinTimer() const
{
    return m_spin->repeatTimer();
}

void SlotDialog::reportingFailures(const QString& title, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        // Input and database errors carry their description as UTF-8.
        m_messages.show(QString::fromStdString(error.what()), ui::MessageService::Icon::Warning,
                        title);
    }
}

void SlotDialog::stopTimers()
{
    m_spin->repeatTimer()->setInterval(0);
}

void SlotDialog::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted()) {
        stopTimers();
    }
}

} // namespace tikkro::alarms
