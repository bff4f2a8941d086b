// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/SetEditDialog.h"

#include "alarms/AlarmArt.h"
#include "alarms/DigitField.h"
#include "alarms/SpinControl.h"
#include "ui/ActivationWatcher.h"
#include "ui/ImageWidget.h"
#include "ui/MessageService.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"
#include "ui/WindowTimer.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tikkro::alarms {

SetEditDialog::SetEditDialog(const Services& services, const QString& caption,
                             const QString& command3Caption, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_slots(services.slots), m_store(services.store), m_menu(services.menu),
      m_clock(services.clock), m_messages(services.messages), m_alName(new QLineEdit(this)),
      m_command1(new QPushButton(QStringLiteral("&Close"), this)),
      m_command2(new QPushButton(QStringLiteral("&Set"), this)),
      m_command3(new QPushButton(command3Caption, this)), m_spin(new SpinControl(this))
{
    setWindowTitle(caption);
    m_alName->setObjectName(QStringLiteral("AlName"));
    m_command2->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    new ui::ActivationWatcher(this, [this] { Form_Activate(); });
}

void SetEditDialog::addFields(const QVector<FieldDesign>& fields, const QVector<int>& tabOrder)
{
    for (qsizetype k = 0; k < fields.size(); ++k) {
        const FieldDesign& design = fields.at(k);
        auto* heading = new QLabel(QString::fromLatin1(design.heading), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        heading->setGeometry(ui::twipsRect(design.left, 450, design.width, 255));

        auto* field = new DigitField(this);
        field->setObjectName(QStringLiteral("Z%1").arg(k));
        field->setText(design.rule.text(0));
        field->setGeometry(ui::twipsRect(design.left, 720, design.width, 315));
        auto* spin = new ui::ImageWidget(&AlarmArt::paintSpinArrows, this);
        spin->setObjectName(QStringLiteral("I%1").arg(k));
        spin->setGeometry(ui::twipsRect(design.left + design.width + 15, 765, 165, 225));
        m_spin->add(field, spin, design.rule);
        m_z.append(field);
        m_i.append(spin);
    }

    QWidget* previous = m_alName;
    for (const int k : tabOrder) {
        setTabOrder(previous, m_z.at(k));
        previous = m_z.at(k);
    }
    setTabOrder(previous, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    ui::WindowCentring::centreOnScreen(*this);
}

ui::WindowTimer* SetEditDialog::Timer1() const
{
    return m_spin->Timer1();
}

void SetEditDialog::reportingFailures(const QString& title, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        // Input and database errors carry their description as UTF-8.
        m_messages.show(QString::fromStdString(error.what()), ui::MessageService::Icon::Warning,
                        title);
    }
}

void SetEditDialog::Command1_Click()
{
    close();
}

void SetEditDialog::stopTimers()
{
    m_spin->Timer1()->setInterval(0);
}

void SetEditDialog::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted()) {
        stopTimers();
    }
}

} // namespace tikkro::alarms
