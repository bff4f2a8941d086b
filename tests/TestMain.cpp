// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QStringList passed = arguments.mid(0, 1);
    QString only;
    const auto& tests = tikkro::tests::registeredTests();
    if (arguments.size() > 1 && std::any_of(tests.begin(), tests.end(), [&](const auto& test) {
            return arguments.at(1) == test.first;
        })) {
        only = arguments.at(1);
        passed += arguments.mid(2);
    } else {
        passed += arguments.mid(1);
    }
    int failures = 0;
    for (const auto& [name, factory] : tests) {
        if (only.isEmpty() || only == name) {
            const std::unique_ptr<QObject> test = factory();
            failures += QTest::qExec(test.get(), passed);
        }
    }
    return failures == 0 ? 0 : 1;
}
