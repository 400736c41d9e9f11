// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The check's JSON and text, and the JSON pieces the other commands build theirs from.

#include "engine/ColumnAnswer.h"
#include "engine/PipeCatalogue.h"
#include "form/FormFields.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <ostream>

namespace app {

using Json = nlohmann::ordered_json;

struct CheckRun;

// The check's JSON, schema 1: every key always present, null for a value the run has not got.
Json Document(const CheckRun& run);

// The window's captions, the warnings, the results and the search's pipe as text.
void WriteText(const CheckRun& run, std::ostream& out);

// A column's inputs by their file keys, after its section "pipe"; null for an input `hasValue`
// denies, where it is given.
Json InputsJson(const engine::ColumnInputs& inputs,
                const std::function<bool(form::Input)>& hasValue = {});
// The materials the column is checked with, by their keys.
Json MaterialsJson(const engine::Materials& materials);
// The record's results and the utilisation; null for a quantity the check did not compute.
Json ResultsJson(const engine::DesignRecord& record, std::optional<double> utilisation);
// "passes", "fails", or null without a verdict.
Json VerdictJson(engine::Verdict verdict);
// The answer's verdict, both warning booleans and its `warnings` array, into `json`: null without
// a verdict. Each warning is {kind, value, limit, text}.
void AddJudgementJson(const engine::ColumnAnswer& answer, Json& json);
// The warnings alone, as an array.
Json WarningsJson(const std::vector<engine::Warning>& warnings);
// The second opinion by its JSON keys, unrounded; null where there is none.
Json CrossCheckJson(const std::optional<engine::CrossCheck>& crossCheck);

// A standard pipe's size in JSON; the mass unrounded.
Json PipeJson(const engine::StandardPipe& pipe);

} // namespace app
