// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "project/Project.h"
#include "report/CalculationSheet.h"
#include "report/PrintRecord.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace app {

// Writes a column's calculation sheet to a PDF file; throws on failure.
using SheetWriter = std::function<void(const engine::ColumnAnswer& answer,
                                       const report::SheetHeader& header, const std::string& path)>;

// Writes the allowable stress chart of the column's materials, with its point where the check
// placed it, to `path` in the format its extension names; throws std::exception saying what went
// wrong.
using ChartWriter =
    std::function<void(const engine::ColumnAnswer& answer, const std::string& path)>;

// Writes a project's package dated `date`, its summary and then each column's sheet, to a PDF
// file; throws on failure and leaves no file.
using PackageWriter = std::function<void(const project::Project& project,
                                         std::span<const engine::ColumnAnswer> answers,
                                         const std::string& date, const std::string& path)>;

// Draws a document again as `record` says it was printed, with the same drawing as the document
// itself, to a PDF file; throws std::exception saying what went wrong.
using RecordedDocumentWriter =
    std::function<void(const report::PrintRecord& record, const project::Project& project,
                       std::span<const engine::ColumnAnswer> answers, const std::string& path)>;

// The files a run may write; they need Qt, which the calculator's logic does without.
struct FileWriters {
  SheetWriter sheet = {};
  ChartWriter chart = {};
  PackageWriter package = {};
  RecordedDocumentWriter redraw = {};
  std::string today = {}; // the date a package is printed on, such as "2026-12-08"
};

// A check, a design or a chart succeeds when its column carries the load; a schedule when every
// column does.
enum class ExitStatus { Succeeded = 0, Carries = Succeeded, DoesNotCarry = 1, Failed = 2 };

// The headless calculator. Without a command it checks a column: each input option answers its
// value prompt, as a user would, then the captions and the results are written to `out` as text
// or JSON. Every message a prompt or the calculation shows goes to `err`, and into the JSON too.
// An answer a prompt rejects ends the run with Failed, no verdict and no file. The commands
// `catalogue`, `design`, `chart` and `schedule` list the standard pipes, find the lightest one
// that carries the load, draw the allowable stress chart, and check every column of a project.
ExitStatus RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const FileWriters& writers);

} // namespace app
