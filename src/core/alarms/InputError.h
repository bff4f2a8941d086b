// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/UserError.h"

namespace tikkro::alarms {

// What the user typed into a Set/Edit dialog cannot be taken; the
// description says which field and why, for the dialog's message box.
class InputError : public core::UserError
{
public:
    using UserError::UserError;
};

} // namespace tikkro::alarms
