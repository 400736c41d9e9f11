// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/DesignRecord.h"

#include <optional>

namespace engine {

// The usual limit of KL/r for members carrying gravity loads.
inline constexpr int kSlendernessLimit = 180;
// Beyond D/T = 0.11 E / fy the wall is so thin that local buckling may govern, which the check
// does not cover.
inline constexpr double kLocalBucklingFactor = 0.11;

// The D/T above which local buckling may govern: kLocalBucklingFactor E / fy.
double LocalBucklingLimit(const Materials& materials);

// The load over the exact capacity of a completed check.
std::optional<double> Utilisation(const DesignRecord& record);

} // namespace engine
