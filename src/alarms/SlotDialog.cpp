// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/SlotDialog.h"

#include "desktop/MessageService.h"
#include "placement/ActivationWatcher.h"
#include "placement/WindowCentring.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace tikkro::alarms {

namespace {

// Pixels around and between the rows.
constexpr int Margin = 8;
constexpr int RowSpacing = 2;
constexpr int ButtonRowSpacing = 10;
constexpr int ButtonSpacing = 9;

} // namespace

SlotDialog::SlotDialog(const Services& services, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_slots(services.slots), m_clock(services.clock), m_messages(services.messages),
      m_setter(services.slots, services.store, services.menu)
{
    setWindowTitle(caption);
    new placement::ActivationWatcher(this, [this] { refill(); });
}

void SlotDialog::build(const Texts& texts, const QVector<FieldDesign>& leftToRight,
                       const Spacing& spacing, QWidget* beside)
{
    // Created in tab order.
    m_nameField = new QLineEdit(this);
    m_nameField->setObjectName(QStringLiteral("nameField"));
    m_nameField->setAccessibleName(texts.nameField);
    // The field itself would cut a longer name, stored or pasted, without a
    // word; Set refuses one with a message instead.
    m_nameField->setMaxLength(std::numeric_limits<int>::max());

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(RowSpacing);
    auto* nameLabel = new QLabel(texts.nameLabel, this);
    nameLabel->setBuddy(m_nameField);
    grid->addWidget(nameLabel, 0, 0);
    grid->setColumnMinimumWidth(1, spacing.afterLabel);

    m_fields.resize(leftToRight.size());
    int column = 2;
    for (qsizetype i = 0; i < leftToRight.size(); ++i) {
        const FieldDesign& design = leftToRight.at(i);
        if (i > 0) {
            grid->setColumnMinimumWidth(column++, spacing.beforeField.value(i - 1));
        }
        auto* field = new DigitField(design.rule, this);
        field->setObjectName(QStringLiteral("field%1").arg(design.index));
        field->setAccessibleName(design.name);
        field->setWidthInDigits(design.widthInDigits);
        m_fields[design.index] = field;

        auto* heading = new QLabel(design.heading, this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        heading->setBuddy(field);
        // Centred over the field's frame, not over its arrows.
        heading->setContentsMargins(0, 0,
                                    DigitFieldStyle::arrowsSize(field->fontMetrics()).width() +
                                        DigitFieldStyle::ArrowsGap,
                                    0);
        grid->addWidget(heading, 1, column);
        grid->addWidget(field, 2, column++);
    }
    auto* fieldsLabel = new QLabel(texts.fieldsLabel, this);
    fieldsLabel->setBuddy(m_fields.at(leftToRight.at(0).index));
    grid->addWidget(fieldsLabel, 2, 0);
    if (beside != nullptr) {
        grid->setColumnMinimumWidth(column++, spacing.beforeBeside);
        grid->addWidget(beside, 1, column++, 2, 1, Qt::AlignHCenter | Qt::AlignBottom);
        grid->setColumnMinimumWidth(column++, spacing.afterBeside);
    }
    grid->addWidget(m_nameField, 0, 2, 1, column - 2);

    m_closeButton = new QPushButton(tr("&Close"), this);
    m_setButton = new QPushButton(tr("&Set"), this);
    m_disarmButton = new QPushButton(texts.disarmButton, this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_setButton->setObjectName(QStringLiteral("setButton"));
    m_disarmButton->setObjectName(QStringLiteral("disarmButton"));
    m_setButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_setButton, &QPushButton::clicked, this, [this] { set(); });
    connect(m_disarmButton, &QPushButton::clicked, this, [this] { disarm(); });
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(ButtonSpacing);
    for (QPushButton* button : {m_disarmButton, m_setButton, m_closeButton}) {
        buttons->addWidget(button, 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(ButtonRowSpacing);
    // The dialog keeps the size its contents need, growing with the font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    placement::WindowCentring::centreOnScreen(*this);
}

void SlotDialog::reportingFailures(const QString& title, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        // Input and database errors carry their description as UTF-8.
        m_messages.show(QString::fromStdString(error.what()),
                        desktop::MessageService::Icon::Warning, title);
    }
}

void SlotDialog::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted()) {
        stopTimers();
    }
}

} // namespace tikkro::alarms
