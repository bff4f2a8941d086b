// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmStart.h"
#include "alarms/AlarmSlots.h"
#include "stopwatch/BootTimeCounter.h"
#include "ui/QtMessageService.h"
#include "ui/WallClock.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tikkro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tikkro"));

    const tikkro::stopwatch::BootTimeCounter counter;
    const tikkro::ui::SystemWallClock clock;
    tikkro::ui::QtMessageService messages;
    tikkro::alarms::AlarmSlots slots;

    tikkro::app::FrmStart window({counter, clock, messages, slots});
    messages.setParent(&window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
