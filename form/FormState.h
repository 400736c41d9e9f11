// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the program fits together. The window owns one FormState: the column's typed inputs, the
// sheet's header texts, the captions the logic rewrites, the print command's enabled state and
// the DesignRecord. Every event handler is plain C++ that works on the FormState and reaches the
// host only through HostServices (message box, input prompt, printer, shell): a value prompt
// (ValuePrompt) stores the accepted number and recalculates (engine::CheckColumn, then the result
// captions, which render the engine's ColumnAnswer); the print command writes the calculation
// sheet (report/) onto a Printer. The window (ui/, the only Qt code) runs each handler through
// RunHandler and then mirrors the FormState into its widgets. pipecolumn-cli answers the inputs
// through AnswerInput, which reports a refusal directly; the tests script a host double.

#include "engine/ColumnAnswer.h"
#include "engine/ColumnInputs.h"
#include "engine/DesignRecord.h"
#include "engine/NumberFormat.h"
#include "engine/PipeCatalogue.h"
#include "form/FormFields.h"

#include <array>
#include <optional>
#include <string>

namespace form {

class FormState {
public:
  FormState();

  const engine::ColumnInputs& inputs() const { return inputs_; }
  double input(Input input) const { return ValueOf(inputs_, input); }
  void setInput(Input input, double value) { ValueOf(inputs_, input) = value; }

  const std::string& header(HeaderField field) const;
  void setHeader(HeaderField field, std::string text);

  const std::string& caption(Caption caption) const;
  void setCaption(Caption caption, std::string text);

  bool printEnabled() const { return printEnabled_; }
  void setPrintEnabled(bool enabled) { printEnabled_ = enabled; }

  // The standard pipes the prompts offer and the suggestion is chosen from.
  const engine::PipeCatalogue& catalogue() const { return *catalogue_; }
  // The lightest standard pipe that carries the load at the column's height and K, when it is not
  // the column's own pipe; set by every calculation.
  const std::optional<engine::StandardPipe>& suggestion() const { return suggestion_; }
  void setSuggestion(std::optional<engine::StandardPipe> pipe) { suggestion_ = std::move(pipe); }

  // The lightest standard pipe for the column's height, K, load and materials, searched anew only
  // when one of them has changed since the last search.
  const std::optional<engine::PipeCandidate>& lightestStandardPipe();

  engine::DesignRecord& record() { return record_; }
  const engine::DesignRecord& record() const { return record_; }
  // The engine's answer for the column and record the form shows.
  engine::ColumnAnswer answer() const { return engine::AnswerOf(inputs_, record_); }

  // The user's locale separators, chosen once by whoever creates the form.
  const engine::NumberFormat& numberFormat() const { return numberFormat_; }
  void setNumberFormat(engine::NumberFormat format) { numberFormat_ = std::move(format); }

private:
  engine::ColumnInputs inputs_;
  std::array<std::string, kAllHeaderFields.size()> headers_;
  std::array<std::string, kAllCaptions.size() + kAssessmentCaptions.size()> captions_;
  bool printEnabled_ = true; // enabled from the start, so the sheet prints before any calculation
  engine::DesignRecord record_;
  engine::NumberFormat numberFormat_;
  const engine::PipeCatalogue* catalogue_ = &engine::PipeCatalogue::Standard();
  std::optional<engine::StandardPipe> suggestion_;
  std::optional<engine::ColumnInputs> lastSearched_; // its D and T do not matter
  std::optional<engine::PipeCandidate> lastLightest_;
};

} // namespace form
