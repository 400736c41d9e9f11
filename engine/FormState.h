#pragma once

// How the program fits together. The window owns one FormState: the texts of its fields, the
// captions the logic rewrites, the print command's enabled state and the DesignRecord. Every event
// handler is plain C++ that works on the FormState and reaches the host only through HostServices
// (message box, input prompt, printer, shell): the value prompts (input/) write a field and its
// caption and run the capacity calculation (engine/), which fills the record and ends with the
// result captions; the print command (report/) writes the calculation sheet onto a Printer. The
// window (ui/, the only Qt code) runs each handler through RunHandler and then mirrors the
// FormState into its widgets. The tests and pipecolumn-cli drive the same handlers with a
// RecordingHost instead of the window.

#include "engine/Controls.h"
#include "engine/DesignRecord.h"
#include "engine/NumberFormat.h"

#include <array>
#include <string>

namespace engine {

// Everything the logic reads and writes on the window, as plain data: field texts, captions, the
// print command's enabled state and the design record. The window mirrors it after every handler
// and copies the header fields back as the user types; the tests and the command line use it bare.
class FormState {
public:
  FormState();

  const std::string& text(Field field) const;
  void setText(Field field, std::string text);

  const std::string& caption(Caption caption) const;
  void setCaption(Caption caption, std::string text);

  bool printEnabled() const { return printEnabled_; }
  void setPrintEnabled(bool enabled) { printEnabled_ = enabled; }

  DesignRecord& record() { return record_; }
  const DesignRecord& record() const { return record_; }

  // The user's locale separators, chosen once by whoever creates the form.
  const NumberFormat& numberFormat() const { return numberFormat_; }
  void setNumberFormat(NumberFormat format) { numberFormat_ = std::move(format); }

private:
  std::array<std::string, kAllFields.size()> texts_;
  std::array<std::string, kAllCaptions.size()> captions_;
  bool printEnabled_ = true; // enabled from the start, so the sheet prints before any calculation
  DesignRecord record_;
  NumberFormat numberFormat_;
};

} // namespace engine
