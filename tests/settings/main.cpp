// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

int runOleDateTests(int argc, char** argv);
int runSettingsDatabaseTests(int argc, char** argv);

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    int failures = runOleDateTests(argc, argv);
    failures += runSettingsDatabaseTests(argc, argv);
    return failures;
}
