// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmAbout.h"

#include "AboutLogo.h"
#include "SysInfoLauncher.h"
#include "Version.h"
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
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

FrmAbout::FrmAbout(ui::SoundService& sound, SysInfoLauncher& sysInfo, const QString& databasePath,
                   QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_sound(sound),
      m_sysInfo(sysInfo)
{
    setObjectName(QStringLiteral("frmAbout"));
    // One line taller than the maker information needs, for the database.
    setFixedSize(ui::twipsSize(6600, 5640));

    picIcon = new ui::ImageWidget(&AboutLogo::paint, this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(ui::toPixels(240), ui::toPixels(240), AboutLogo::Width, AboutLogo::Height);

    lblTitle = makeLabel(this, "lblTitle", {}, ui::twipsRect(1440, 210, 4920, 630));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.1);
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel(this, "lblVersion", {}, ui::twipsRect(1440, 870, 4920, 270));
    lblDescription = makeLabel(
        this, "lblDescription",
        QStringLiteral("A precise stopwatch with a lap log, two alarms and two countdown timers."),
        ui::twipsRect(1440, 1170, 4920, 510), true);
    Label1 =
        makeLabel(this, "Label1", QStringLiteral("Written in C++ with the Qt toolkit, for Linux."),
                  ui::twipsRect(1440, 1710, 4920, 270));

    // An etched separator: a grey line with a white one just below it.
    for (int i = 0; i < 2; ++i) {
        Line1[i] = new QFrame(this);
        Line1[i]->setObjectName(QStringLiteral("Line1_%1").arg(i));
        Line1[i]->setGeometry(ui::toPixels(180), ui::toPixels(2100) + i, ui::toPixels(6240), 1);
        Line1[i]->setAutoFillBackground(true);
        QPalette palette = Line1[i]->palette();
        palette.setColor(QPalette::Window, i == 0 ? QColor(128, 128, 128) : QColor(Qt::white));
        Line1[i]->setPalette(palette);
    }

    lblDisclaimer = makeLabel(
        this, "lblDisclaimer",
        QStringLiteral("Warning: Although this stop watch is very exact, be careful using it for "
                       "prefessional purposes, since it is Windows-based and - Windows isn't a "
                       "realtime environement! Use a realtime device instead."),
        ui::twipsRect(240, 2250, 4560, 1140), true);
    Label2 = makeLabel(
        this, "Label2",
        QStringLiteral("Copyright \u00A9 the Tikkro developers. Free software under the GNU "
                       "General Public License, version 3 or later, with no warranty."),
        ui::twipsRect(240, 3480, 4560, 720), true);
    Label5 = makeLabel(this, "Label5",
                       QStringLiteral("For news and help, visit the web site or write to us:"),
                       ui::twipsRect(240, 4320, 6120, 270));
    Label3 = makeLabel(this, "Label3", QStringLiteral("https://tikkro.example.org"),
                       ui::twipsRect(480, 4620, 2880, 270));
    Label4 = makeLabel(this, "Label4", QStringLiteral("tikkro@example.org"),
                       ui::twipsRect(480, 4920, 2880, 270));
    // A long path loses its middle rather than its file name; the tooltip
    // gives it whole.
    lblDatabase = makeLabel(this, "lblDatabase", {}, ui::twipsRect(240, 5250, 6120, 270));
    lblDatabase->setText(lblDatabase->fontMetrics().elidedText(
        QStringLiteral("Database: ") + databasePath, Qt::ElideMiddle, lblDatabase->width()));
    lblDatabase->setToolTip(databasePath);
    for (QLabel* link : {Label3, Label4, lblDatabase}) {
        link->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(ui::twipsRect(4980, 2250, 1380, 420));
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(ui::twipsRect(4980, 2790, 1380, 420));
    // As in any dialog, Enter presses the focused button; OK has the focus
    // first and stands for Enter and Esc everywhere else.
    cmdOK->setAutoDefault(true);
    cmdOK->setDefault(true);
    cmdSysInfo->setAutoDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::StartSysInfo);

    ui::WindowCentring::centreOnScreen(*this);
    Form_Load();
}

void FrmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About Tikkro"));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(version::major)
                            .arg(version::minor)
                            .arg(version::revision));
    // A label breaks lines at a line feed; a lone carriage return would show
    // as a blank and put the subtitle on the title's line.
    lblTitle->setText(QStringLiteral("About Tikkro\n(Morvane's sophisticated Stop Watch)"));
    // Started and forgotten: loading goes on while it plays.
    m_sound.play(QString::fromLatin1(Sound));
}

void FrmAbout::StartSysInfo()
{
    m_sysInfo.StartSysInfo();
}

void FrmAbout::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdOK->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace tikkro::about
