// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DesignRecord.h"
#include "ui/chart/StressChart.h"

#include <optional>

namespace ui {

// A checked column's place on the chart, labelled "KL/r = 87, Qac = 92 MPa"; none when the check
// has not computed its KL/r and Qac. The place belongs to the pipe and its length: a column that
// does not carry its load has one too.
std::optional<ChartColumn> DesignPointOf(const engine::DesignRecord& record);

} // namespace ui
