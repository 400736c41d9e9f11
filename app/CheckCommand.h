// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The check as the commands share it: the input options, the answers taken as the prompts take
// them, and the report of the check. Each command adds its own options and output around it.

#include "app/CheckWriters.h"
#include "app/Commands.h"
#include "engine/ColumnAnswer.h"
#include "engine/PipeCatalogue.h"
#include "form/FormFields.h"
#include "form/FormState.h"

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace app {

// What the command line asks of a check.
struct CheckRequest {
  std::array<std::optional<std::string>, form::kAllInputs.size()> answers;
  std::array<std::optional<std::string>, form::kAllHeaderFields.size()> header;
  std::optional<std::string> sheetPath;
  bool crossCheckPage = false; // the sheet goes on with the second opinion's page
  std::optional<double> concreteStrengthKgCm2;
  std::optional<double> yieldStressMpa; // of the steel grade named
  // A standard pipe the check takes as its section, as a design found it: no answer to judge.
  std::optional<engine::StandardPipe> pipe;
  bool json = false;
};

// The check as it ran: the form after the accepted answers, the messages the prompts and the
// calculation gave, the inputs whose answers were refused, the failure that ended the calculation,
// and the engine's answer for the column asked for.
struct CheckRun {
  form::FormState form;
  std::vector<std::string> messages;
  std::array<bool, form::kAllInputs.size()> rejected{};
  std::optional<std::string> failure;
  // A design that found no standard pipe: the form's D and T are not the column's.
  bool withoutPipe = false;
  // The design search's pipe for the column's load, searched after the calculation.
  std::optional<engine::PipeCandidate> lightest;
  // No verdict where an answer was refused, the calculation failed or no pipe was found.
  engine::ColumnAnswer answer;

  bool anyRejected() const;
  // Whether the form's record describes the column asked for.
  bool hasResults() const { return !anyRejected() && !withoutPipe; }
  bool hasValue(form::Input input) const;
  // Whether the column asked for carries its load; unknown without a verdict.
  std::optional<bool> carries() const;
};

// The input options of `inputs` on `command`, each setting its answer in `request`.
void AddInputOptions(CLI::App& command, CheckRequest& request, std::span<const form::Input> inputs);
// --json, --sheet and the sheet's header texts.
// --concrete-strength and --steel-grade, the project-wide materials.
void AddMaterialOptions(CLI::App& command, CheckRequest& request);
void AddOutputOptions(CLI::App& command, CheckRequest& request);

// The method's materials with those the request names.
engine::Materials MaterialsOf(const CheckRequest& request);

// Answers the prompts in order. An answer a prompt refuses puts the form back as it stood before,
// so no fallback value is judged or reported as given.
CheckRun Check(const CheckRequest& request);

// What a command adds to the check's JSON document and to its text.
struct CheckAdditions {
  std::function<void(Json& document)> json;
  std::function<void(std::ostream& out)> text;
};

// Shows the messages, writes the sheet when asked and the verdict is known, prints the check and
// gives the check's exit status.
ExitStatus ReportCheck(const CheckRun& run, const CheckRequest& request, std::ostream& out,
                       std::ostream& err, const SheetWriter& writeSheet,
                       const CheckAdditions& additions = {});

// The initial values of `inputs`: "H 4 m, K 0.85, P 8000 kg".
std::string InitialValues(std::span<const form::Input> inputs);

} // namespace app
