// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/Printer.h"
#include "ui/chart/StressChart.h"

#include <QString>

namespace ui {

// Writes the chart to `path` as SVG, PNG or PDF by its extension, through a temporary file that
// takes the name only when complete. A PDF carries `description`'s properties and project.
// Returns an empty string, or what went wrong.
QString WriteStressChart(const QString& path, const StressChart& chart,
                         const report::DocumentDescription& description = {});

} // namespace ui
