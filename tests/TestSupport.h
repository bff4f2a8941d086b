// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestMain.h"

// The Qt and system headers the tests share, in one place.
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <unistd.h>
