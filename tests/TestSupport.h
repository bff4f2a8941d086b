// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestMain.h"

// The Qt and system headers the tests share, in one place.
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <array>
#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <unistd.h>

// The columns of a data table, named in order:
// addColumns<int, QString>({"slot", "name"}).
template <typename... Types> void addColumns(const std::array<const char*, sizeof...(Types)>& names)
{
    std::size_t next = 0;
    (QTest::addColumn<Types>(names.at(next++)), ...);
}
