// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    QString only;
    for (const auto& test : tikkro::tests::registeredTests()) {
        if (only.isEmpty() && arguments.size() > 1 && arguments.at(1) == test.first) {
            only = arguments.takeAt(1);
        }
    }
    int failures = 0;
    for (const auto& [name, factory] : tikkro::tests::registeredTests()) {
        if (only.isEmpty() || only == name) {
            failures += QTest::qExec(factory().get(), arguments);
        }
    }
    return failures == 0 ? 0 : 1;
}
