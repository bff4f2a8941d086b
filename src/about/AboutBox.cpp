// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutBox.h"

#include "Version.h"
#include "about/AboutLogo.h"
#include "about/SysInfoLauncher.h"
#include "desktop/SoundService.h"
#include "placement/WindowCentring.h"
#include "widgets/ImageWidget.h"

#include <QBoxLayout>
#include <QFontMetricsF>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace tikkro::about {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, bool wrap = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Whatever a label shows, a file name included, is shown as it stands.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutBox::AboutBox(desktop::SoundService& sound, SysInfoLauncher& sysInfo,
                   const QString& databasePath, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_okButton(new QPushButton(tr("OK"), this)),
      m_database(makeLabel(this, "database", {})),
      m_databaseText(tr("Database: %1").arg(databasePath))
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("About Tikkro"));

    // Gaps, text widths and button heights follow the font, so that a larger
    // desktop font gives a larger window of the same proportions.
    const int line = fontMetrics().lineSpacing();
    const int lineGap = line / 2;
    const int paragraphGap = line * 9 / 10;
    const int paragraphWidth = qRound(QFontMetricsF(font()).averageCharWidth() * 50);

    auto* logo = new widgets::ImageWidget(&AboutLogo::paint, this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setFixedSize(AboutLogo::Width, AboutLogo::Height);

    // A label breaks lines at a line feed only.
    QLabel* title = makeLabel(this, "title",
                              tr("About Tikkro") + QLatin1Char('\n') +
                                  tr("(Morvane's sophisticated Stop Watch)"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.1);
    title->setFont(titleFont);
    QLabel* version =
        makeLabel(this, "version", tr("Version %1").arg(QString::fromLatin1(version::text)));
    QLabel* description = makeLabel(
        this, "description",
        tr("A precise stopwatch with a lap log, two alarms and two countdown timers."), true);
    QLabel* toolkitNote =
        makeLabel(this, "toolkitNote", tr("Written in C++ with the Qt toolkit, for Linux."));

    // An etched line in the palette's own shades, so that it stays etched in
    // a dark palette.
    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("separator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedHeight(2);

    QLabel* disclaimer = makeLabel(
        this, "disclaimer",
        tr("Warning: Although this stop watch is very exact, be careful using it for "
           "prefessional purposes, since it is Linux-based and - a general-purpose desktop "
           "system isn't a realtime environement! Use a realtime device instead."),
        true);
    QLabel* copyright =
        makeLabel(this, "copyright",
                  tr("Copyright \u00A9 the Tikkro developers. Free software under the GNU "
                     "General Public License, version 3 or later, with no warranty."),
                  true);
    for (QLabel* paragraph : {disclaimer, copyright}) {
        paragraph->setMinimumWidth(paragraphWidth);
    }
    QLabel* contactNote =
        makeLabel(this, "contactNote", tr("For news and help, visit the web site or write to us:"));
    QLabel* webAddress =
        makeLabel(this, "webAddress", QStringLiteral("https://tikkro.example.org"));
    QLabel* mailAddress = makeLabel(this, "mailAddress", QStringLiteral("tikkro@example.org"));
    // The path takes the width the other texts leave and loses its middle
    // rather than its file name; the tooltip gives it whole.
    m_database->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_database->setToolTip(databasePath);
    for (QLabel* link : {webAddress, mailAddress, m_database}) {
        link->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    m_okButton->setObjectName(QStringLiteral("okButton"));
    auto* sysInfoButton = new QPushButton(tr("&System Info..."), this);
    sysInfoButton->setObjectName(QStringLiteral("sysInfoButton"));
    const int buttonWidth =
        std::max(m_okButton->sizeHint().width(), sysInfoButton->sizeHint().width());
    for (QPushButton* button : {m_okButton, sysInfoButton}) {
        button->setMinimumSize(buttonWidth, line * 2);
        // As in any dialog, Enter presses the focused button.
        button->setAutoDefault(true);
    }
    // OK has the focus first and stands for Enter and Esc everywhere else.
    m_okButton->setDefault(true);
    setTabOrder(m_okButton, sysInfoButton);
    m_okButton->setFocus();

    // The logo and the name, with the version and what the program is.
    auto* heading = new QVBoxLayout;
    heading->setSpacing(lineGap);
    heading->addWidget(title);
    heading->addSpacing(paragraphGap - lineGap);
    heading->addWidget(version);
    heading->addWidget(description);
    heading->addWidget(toolkitNote);
    auto* logoColumn = new QVBoxLayout;
    logoColumn->addSpacing(2);
    logoColumn->addWidget(logo);
    logoColumn->addStretch();
    auto* header = new QHBoxLayout;
    header->setContentsMargins(4, 0, 4, 0);
    header->setSpacing(16);
    header->addLayout(logoColumn);
    header->addLayout(heading, 1);

    // The warning and the legal notice beside the two buttons.
    auto* notices = new QVBoxLayout;
    notices->setSpacing(paragraphGap);
    notices->addWidget(disclaimer);
    notices->addWidget(copyright);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_okButton);
    buttons->addWidget(sysInfoButton);
    buttons->addStretch();
    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 0, 4, 0);
    body->setSpacing(12);
    body->addLayout(notices, 1);
    body->addLayout(buttons);

    // Where to find news and help, and the database in use.
    auto* addresses = new QVBoxLayout;
    addresses->setContentsMargins(16, 0, 0, 0);
    addresses->setSpacing(lineGap);
    addresses->addWidget(webAddress);
    addresses->addWidget(mailAddress);
    auto* contact = new QVBoxLayout;
    contact->setContentsMargins(4, 0, 4, 0);
    contact->setSpacing(lineGap);
    contact->addWidget(contactNote);
    contact->addLayout(addresses);
    contact->addWidget(m_database);

    // The separator reaches 4 px beyond the texts on either side.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 14, 12, paragraphGap);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(header);
    layout->addSpacing(paragraphGap);
    layout->addWidget(separator);
    layout->addSpacing(lineGap);
    layout->addLayout(body);
    layout->addSpacing(line);
    layout->addLayout(contact);

    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfoButton, &QPushButton::clicked, this, [&sysInfo] { sysInfo.launch(); });

    placement::WindowCentring::centreOnScreen(*this);
    // Started and forgotten: loading goes on while it plays.
    sound.play(QString::fromLatin1(Sound));
}

void AboutBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_okButton->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AboutBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The layout has placed the label by now.
    m_database->setText(m_database->fontMetrics().elidedText(m_databaseText, Qt::ElideMiddle,
                                                             m_database->contentsRect().width()));
}

} // namespace tikkro::about
