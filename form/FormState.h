// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the program fits together. The window owns one FormState: the project session (which alone
// holds the columns' typed inputs, marks and the sheet's header texts), the captions the logic
// rewrites, the print command's enabled state and the DesignRecord. Every event handler is plain
// C++ that works on the FormState and reaches the host only through HostServices (message box,
// input prompt, printer, shell): a value prompt (ValuePrompt) stores the accepted number and
// recalculates (engine::CheckColumn, then the result captions, which render the engine's
// ColumnAnswer); the print command writes the calculation sheet (report/) onto a Printer. The
// window (ui/, the only Qt code) runs each handler through RunHandler and then mirrors the
// FormState into its widgets. pipecolumn-cli answers the inputs through AnswerInput, which reports
// a refusal directly; the tests script a host double.

#include "engine/ColumnAnswer.h"
#include "engine/ColumnInputs.h"
#include "engine/DesignRecord.h"
#include "engine/NumberFormat.h"
#include "engine/PipeCatalogue.h"
#include "form/FormFields.h"
#include "form/ProjectSession.h"

#include <array>
#include <optional>
#include <string>

namespace form {

// The form shows the session's selected column: its inputs, mark and the project's header are
// read from and written to the session, which marks the project modified when a value changes.
// A copy carries its own session, so a caller may keep one to roll an answer back.
class FormState {
public:
  FormState();

  ProjectSession& session() { return session_; }
  const ProjectSession& session() const { return session_; }

  const engine::ColumnInputs& inputs() const;
  double input(Input input) const { return ValueOf(inputs(), input); }
  void setInput(Input input, double value);
  // The steel and concrete of the shown column.
  void setMaterials(const engine::Materials& materials);

  const std::string& header(HeaderField field) const;
  void setHeader(HeaderField field, std::string text);

  const std::string& caption(Caption caption) const;
  void setCaption(Caption caption, std::string text);

  bool printEnabled() const { return printEnabled_; }
  void setPrintEnabled(bool enabled) { printEnabled_ = enabled; }
  // Whether the sheet goes on with the second opinion's page.
  bool printCrossCheck() const { return session_.project().printCrossCheck; }
  void setPrintCrossCheck(bool print) { session_.setPrintCrossCheck(print); }

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
  engine::ColumnAnswer answer() const { return engine::AnswerOf(inputs(), record_); }

  // The user's locale separators, chosen once by whoever creates the form.
  const engine::NumberFormat& numberFormat() const { return numberFormat_; }
  void setNumberFormat(engine::NumberFormat format) { numberFormat_ = std::move(format); }

private:
  ProjectSession session_;
  std::array<std::string, kAllCaptions.size() + kAssessmentCaptions.size()> captions_;
  bool printEnabled_ = true; // enabled from the start, so the sheet prints before any calculation
  engine::DesignRecord record_;
  engine::NumberFormat numberFormat_;
  const engine::PipeCatalogue* catalogue_ = &engine::PipeCatalogue::Standard();
  std::optional<engine::StandardPipe> suggestion_;
  std::optional<engine::DesignLoad> lastSearched_;
  std::optional<engine::PipeCandidate> lastLightest_;
};

// Shows the session's selected column afresh: its input captions, and nothing of the column shown
// before (record, verdict, plate, assessment, suggestion); then calculates it, as if each value
// had been answered in its prompt. A failure of the calculation leaves the form as before any.
void ShowSelectedColumn(FormState& form);

} // namespace form
