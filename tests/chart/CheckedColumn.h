// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnCheck.h"

// The initial pipe checked at a height, K and load.
inline engine::DesignRecord CheckedColumn(double heightM, double kFactor, double loadKg = 8000) {
  engine::ColumnInputs inputs;
  inputs.heightM = heightM;
  inputs.kFactor = kFactor;
  inputs.axialLoadKg = loadKg;
  return engine::CheckColumn(inputs);
}
