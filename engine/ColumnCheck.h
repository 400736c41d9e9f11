// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/DesignRecord.h"

namespace engine {

// The allowable compressive stress Qac (whole MPa) at a slenderness KL/r, by the check's own
// steps: the elastic critical stress, the blend with the yield stress and Qac go into `record` in
// that order, and Qac is returned. Throws as the check does (a slenderness of 0 divides by zero).
std::int32_t FillAllowableStress(std::int32_t slenderness, const Materials& materials,
                                 DesignRecord& record);

// The stress Qac approaches for a very stocky column: 0.6 fy, MPa.
double AllowableStressCeiling(const Materials& materials);

// Whether the section exists: the wall thickness is less than half the outside diameter.
bool IsPossiblePipe(double outsideDiameterMm, double wallThicknessMm);

// The base plate's steps of the check, from the allowable bearing to the plate's thickness in mm,
// into `record` in that order; the pipe's D is the only section quantity they need. Throws as the
// check does.
void SizeBasePlate(const ColumnInputs& inputs, DesignRecord& record);

// Checks the pipe as an axially loaded column and sizes its square base plate, filling every
// quantity of `record` in a fixed order. An impossible pipe throws ImpossiblePipe before any step;
// otherwise the first step that fails throws a Failure: quantities of earlier steps are new, those
// of later steps stay as `record` held them.
void CheckColumn(const ColumnInputs& inputs, DesignRecord& record);

// The same on a fresh record.
DesignRecord CheckColumn(const ColumnInputs& inputs);

// Whether the column carries its load: the exact capacity decides, not the rounded maximum force,
// and equality passes.
bool Carries(const DesignRecord& record);

} // namespace engine
