// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/BoxColumnCheck.h"
#include "engine/BoxCrossCheck.h"
#include "engine/ColumnAnswer.h"

#include <optional>
#include <string>
#include <vector>

namespace engine {

// Everything the program says about one box column, computed once; every output renders it.
struct BoxColumnAnswer {
  BoxColumnInputs inputs;
  std::optional<BoxColumnRecord> record; // none where the check stopped
  Verdict verdict = Verdict::NotChecked;
  std::optional<std::string> failure;      // the failure's name where the check stopped
  std::optional<double> utilisation;       // load over the exact capacity
  std::vector<Warning> warnings;           // in the order every output shows them
  std::optional<BoxCrossCheck> crossCheck; // the second opinion on a completed check

  bool has(WarningKind kind) const;
};

// The warnings of a completed check of a box by the method (the second opinion's not among them).
std::vector<Warning> WarningsOf(const BoxColumnRecord& record, const Materials& materials);

// Checks the box column and judges it; a Failure of the check ends up in `failure`, never thrown.
BoxColumnAnswer AnswerBoxColumn(const BoxColumnInputs& inputs);

} // namespace engine
