// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace engine {

// The steel and concrete the program designs with; fixed for every column.
struct Materials {
  double elasticModulusMpa = 200000;        // E
  double yieldStressMpa = 240;              // fy
  double allowableBearingKgCm2 = 40;        // fc, on the concrete under the plate
  double allowablePlateBendingKgCm2 = 1850; // fb, of the base plate
  double concreteStrengthKgCm2 = 210;       // f'c, specified strength of the concrete

  friend bool operator==(const Materials&, const Materials&) = default;
};

// What the check needs to know of one column. The defaults are the program's initial column.
struct ColumnInputs {
  double outsideDiameterMm = 114.3; // D
  double wallThicknessMm = 3.2;     // T
  double heightM = 4;               // H
  double kFactor = 0.85;            // K, effective length factor
  double axialLoadKg = 8000;        // P
  Materials materials;

  friend bool operator==(const ColumnInputs&, const ColumnInputs&) = default;
};

// What a search of the standard sections depends on: the column without its section.
struct DesignLoad {
  double heightM = 0;
  double kFactor = 0;
  double axialLoadKg = 0;
  Materials materials;

  friend bool operator==(const DesignLoad&, const DesignLoad&) = default;
};

inline DesignLoad DesignLoadOf(const ColumnInputs& inputs) {
  return {inputs.heightM, inputs.kFactor, inputs.axialLoadKg, inputs.materials};
}

} // namespace engine
