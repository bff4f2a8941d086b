// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tikkro::alarms {

// How one digit field steps under its spin button. Stepping up wraps to
// wrapValue on reaching limit; stepping down below lowerBound wraps to
// limit - 1. A typed value outside the range steps from where it stands.
struct SpinRule
{
    int limit = 60;
    int wrapValue = 0;
    int lowerBound = 0;
    int digits = 2;

    // The field's text after one step up (direction > 0) or down, or nothing
    // when the text is not a whole number the field can step from.
    std::optional<QString> step(const QString& text, int direction) const;

    // The value written with at least the field's number of digits.
    QString text(int value) const;
};

} // namespace tikkro::alarms
