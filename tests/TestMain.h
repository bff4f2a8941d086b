// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Many test classes in one program per area, so a build links a few programs
// instead of one per class. Each test file ends with TIKKRO_TEST(ClassName);
// tests/TestMain.cpp runs them all, or, when the first argument names a
// class, that class alone with the remaining arguments (QtTest's own, such as
// a test function's name).
namespace tikkro::tests {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<const char*, TestFactory>>& registeredTests()
{
    static std::vector<std::pair<const char*, TestFactory>> tests;
    return tests;
}

} // namespace tikkro::tests

#define TIKKRO_TEST(Class)                                                                         \
    static const bool registered##Class = (tikkro::tests::registeredTests().emplace_back(          \
                                               #Class, [] { return std::make_unique<Class>(); }),  \
                                           true);
