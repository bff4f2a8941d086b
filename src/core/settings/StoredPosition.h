// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace tikkro::settings {

// The main window's outer top-left as the settings file keeps it: in twips
// (15 to a pixel), as doubles. Either edge may be missing; with no left edge
// the top is not read.
struct StoredPosition
{
    std::optional<double> left;
    std::optional<double> top;
};

} // namespace tikkro::settings
