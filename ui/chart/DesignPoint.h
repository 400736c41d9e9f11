// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "engine/DesignRecord.h"
#include "ui/chart/StressChart.h"

#include <optional>

namespace ui {

// A checked column's place on the chart, labelled "KL/r = 87, Qac = 92 MPa"; none when the check
// has not computed its KL/r and Qac. The place belongs to the pipe and its length: a column that
// does not carry its load has one too.
std::optional<ChartColumn> DesignPointOf(const engine::DesignRecord& record);

// The same for a column's answer; a column with warnings says so after its figures:
// "KL/r = 769, Qac = 3 MPa (!) slenderness". None for a check that stopped.
std::optional<ChartColumn> DesignPointOf(const engine::ColumnAnswer& answer);

} // namespace ui
