// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The check as the commands share it: the input options, the run of the prompts, and the check's
// text and JSON. Each command adds its own options and output around it.

#include "app/CommandLine.h"
#include "form/FormFields.h"
#include "form/FormState.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace app {

using Json = nlohmann::ordered_json;

inline constexpr const char* kProgram = "pipecolumn-cli";

// What the command line asks of a check.
struct CheckRequest {
  std::array<std::optional<std::string>, form::kAllInputs.size()> answers;
  std::array<std::optional<std::string>, form::kAllHeaderFields.size()> header;
  std::optional<std::string> sheetPath;
  bool crossCheckPage = false; // the sheet goes on with the second opinion's page
  std::optional<double> concreteStrengthKgCm2;
  bool json = false;
};

// The check as it ran: the form after the accepted answers, the messages shown, the inputs whose
// answers were rejected and the failure that ended the calculation, if any.
struct CheckRun {
  form::FormState form;
  std::vector<std::string> messages;
  std::array<bool, form::kAllInputs.size()> rejected{};
  std::optional<std::string> failure;
  // A design that found no standard pipe: the form's D and T are not the column's.
  bool withoutPipe = false;
  // The lightest standard pipe that carries the column's load, searched after the calculation.
  std::optional<engine::StandardPipe> lightest;

  bool anyRejected() const;
  // Whether the form's record describes the column asked for.
  bool hasResults() const { return !anyRejected() && !withoutPipe; }
  bool hasValue(form::Input input) const;
  // Whether the column asked for carries its load; unknown without results or after a failed
  // calculation.
  std::optional<bool> carries() const;
};

// The input options of `inputs` on `command`, each setting its answer in `request`.
void AddInputOptions(CLI::App& command, CheckRequest& request, std::span<const form::Input> inputs);
// --concrete-strength, the project-wide material.
void AddMaterialOptions(CLI::App& command, CheckRequest& request);
// --json, --sheet, --cross-check and the sheet's header texts.
void AddOutputOptions(CLI::App& command, CheckRequest& request);

// Answers the prompts in order. A prompt that shows a message has rejected its answer: the form
// goes back to how it stood before, so no fallback value is judged or reported as given.
CheckRun Check(const CheckRequest& request);

// The check's JSON, schema 1: every key always present, null for a value the run has not got.
Json Document(const CheckRun& run);

// A column's inputs by their file keys; null for an input `hasValue` denies, where it is given.
Json InputsJson(const engine::ColumnInputs& inputs,
                const std::function<bool(form::Input)>& hasValue = {});
// The record's results and the utilisation; null for a quantity the check did not compute.
Json ResultsJson(const engine::DesignRecord& record, std::optional<double> utilisation);
// The second opinion on a completed check, by its JSON keys; null where the check did not complete.
Json CrossCheckJson(const engine::ColumnInputs& inputs, const engine::DesignRecord& record);
// "passes", "fails", or null when the verdict is not known.
Json VerdictJson(std::optional<bool> carries);

// "125A, 5\" 139.8 x 3.6 mm (12.1 kg/m)"
std::string PipeText(const engine::StandardPipe& pipe);
// A standard pipe's size in JSON; the mass unrounded.
Json PipeJson(const engine::StandardPipe& pipe);

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

// A command's options on its CLI11 app, and what it does once they are parsed.
struct Command {
  CLI::App* options;
  std::function<ExitStatus(std::ostream& out, std::ostream& err, const FileWriters& writers)> run;
};

// The check: the options on the program itself, since it runs when no command is named.
Command AddCheck(CLI::App& program);
Command AddCatalogueCommand(CLI::App& program);
Command AddDesignCommand(CLI::App& program);
Command AddChartCommand(CLI::App& program);
Command AddScheduleCommand(CLI::App& program);

// The initial values of `inputs`: "H 4 m, K 0.85, P 8000 kg".
std::string InitialValues(std::span<const form::Input> inputs);

} // namespace app
