// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutBox.h"

#include "Version.h"
#include "about/AboutLogo.h"
#include "about/SysInfoLauncher.h"
#include "ui/FittedFonts.h"
#include "ui/ImageWidget.h"
#include "ui/SoundService.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tikkro::about {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  bool wrap = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Whatever a label shows, a file name included, is shown as it stands.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutBox::AboutBox(ui::SoundService& sound, SysInfoLauncher& sysInfo, const QString& databasePath,
                   QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      m_okButton(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About Tikkro"));
    // One line taller than the maker information needs, for the database.
    setFixedSize(ui::twipsSize(6600, 5640));

    auto* logo = new ui::ImageWidget(&AboutLogo::paint, this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(ui::toPixels(240), ui::toPixels(240), AboutLogo::Width, AboutLogo::Height);

    // A label breaks lines at a line feed; a lone carriage return would show
    // as a blank and put the subtitle on the title's line.
    QLabel* title = makeLabel(this, "title",
                              QStringLiteral("About Tikkro\n(Morvane's sophisticated Stop Watch)"),
                              ui::twipsRect(1440, 210, 4920, 630));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.1);
    title->setFont(titleFont);
    makeLabel(this, "version", QString::fromLatin1(version::label),
              ui::twipsRect(1440, 870, 4920, 270));
    makeLabel(
        this, "description",
        QStringLiteral("A precise stopwatch with a lap log, two alarms and two countdown timers."),
        ui::twipsRect(1440, 1170, 4920, 510), true);
    makeLabel(this, "toolkitNote", QStringLiteral("Written in C++ with the Qt toolkit, for Linux."),
              ui::twipsRect(1440, 1710, 4920, 270));

    // An etched separator: a shadow line with a light one just below it, in
    // the palette's own shades, so that it stays etched in a dark palette.
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("separator%1").arg(i));
        line->setGeometry(ui::toPixels(180), ui::toPixels(2100) + i, ui::toPixels(6240), 1);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(i == 0 ? QPalette::Dark : QPalette::Light);
    }

    makeLabel(
        this, "disclaimer",
        QStringLiteral("Warning: Although this stop watch is very exact, be careful using it for "
                       "prefessional purposes, since it is Windows-based and - Windows isn't a "
                       "realtime environement! Use a realtime device instead."),
        ui::twipsRect(240, 2250, 4560, 1140), true);
    makeLabel(this, "copyright",
              QStringLiteral("Copyright \u00A9 the Tikkro developers. Free software under the GNU "
                             "General Public License, version 3 or later, with no warranty."),
              ui::twipsRect(240, 3480, 4560, 720), true);
    makeLabel(this, "contactNote",
              QStringLiteral("For news and help, visit the web site or write to us:"),
              ui::twipsRect(240, 4320, 6120, 270));
    QLabel* webAddress = makeLabel(this, "webAddress", QStringLiteral("https://tikkro.example.org"),
                                   ui::twipsRect(480, 4620, 2880, 270));
    QLabel* mailAddress = makeLabel(this, "mailAddress", QStringLiteral("tikkro@example.org"),
                                    ui::twipsRect(480, 4920, 2880, 270));
    // A long path loses its middle rather than its file name; the tooltip
    // gives it whole.
    QLabel* database = makeLabel(this, "database", {}, ui::twipsRect(240, 5250, 6120, 270));
    database->setText(database->fontMetrics().elidedText(
        QStringLiteral("Database: ") + databasePath, Qt::ElideMiddle, database->width()));
    database->setToolTip(databasePath);
    for (QLabel* link : {webAddress, mailAddress, database}) {
        link->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(ui::twipsRect(4980, 2250, 1380, 420));
    auto* sysInfoButton = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfoButton->setObjectName(QStringLiteral("sysInfoButton"));
    sysInfoButton->setGeometry(ui::twipsRect(4980, 2790, 1380, 420));
    // As in any dialog, Enter presses the focused button; OK has the focus
    // first and stands for Enter and Esc everywhere else.
    m_okButton->setAutoDefault(true);
    m_okButton->setDefault(true);
    sysInfoButton->setAutoDefault(true);
    setTabOrder(m_okButton, sysInfoButton);
    m_okButton->setFocus();

    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfoButton, &QPushButton::clicked, this, [&sysInfo] { sysInfo.launch(); });

    // The texts keep to their places under a large desktop font.
    new ui::FittedFonts(*this);
    ui::WindowCentring::centreOnScreen(*this);
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

} // namespace tikkro::about
