// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/BoxCatalogue.h"
#include "engine/BoxColumnCheck.h"
#include "engine/BoxCrossCheck.h"

#include <optional>
#include <vector>

namespace engine {

// A standard box that carries the load, with its check and its second opinion.
struct BoxCandidate {
  StandardBox box;
  BoxColumnRecord record;
  std::optional<BoxCrossCheck> crossCheck; // none where a figure left the double range
  double utilisation = 0;                  // load / capacity
  // KL/r within the limit, no slender wall by the method, and the second opinion's column passes.
  bool sound = false;
};

// Every standard box that carries `column`'s load at its height and K, lightest first (on equal
// mass the smaller depth, then the smaller width), sound or not; the column's sides are ignored.
std::vector<BoxCandidate> PassingBoxes(const BoxCatalogue& catalogue,
                                       const BoxColumnInputs& column);

// The lightest sound box that carries the load; where only unsound boxes carry it, the lightest
// of those; nothing when no standard box carries the load.
std::optional<BoxCandidate> LightestPassingBox(const BoxCatalogue& catalogue,
                                               const BoxColumnInputs& column);

} // namespace engine
