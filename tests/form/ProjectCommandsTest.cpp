// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnAnswer.h"
#include "form/PackageCommands.h"
#include "project/ScheduleRow.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using form::MessageAnswer;
using project::ColumnEntry;

ColumnEntry Column(std::string mark, double load) {
  ColumnEntry entry{std::move(mark), {}};
  entry.inputs.axialLoadKg = load;
  return entry;
}

const project::Project kProject{{"โรงงาน 7", "วิศวกร ก", {}},
                                {Column("ก-1", 8000), Column("ก-2", 900000), Column("ก-3", 20000)}};

long Count(const std::vector<std::string>& operations, const std::string& operation) {
  return std::count(operations.begin(), operations.end(), operation);
}

// Print all and Export PDF: one document of the whole package, or nothing; a failed document is
// withdrawn and its reason shown.
TEST(PackageCommandsTest, PrintOrWriteTheWholePackageOrNothing) {
  enum class Command { PrintAll, ExportPdf };
  struct Case {
    const char* name;
    Command command;
    std::vector<MessageAnswer> answers;
    bool printer;
    std::optional<std::string> pdf; // the name given in the file dialog
    int failingOperation;           // -1: none
    bool ends;                      // the document reaches its end
    bool aborts;
    std::size_t messages;
  };
  const std::string pdf = "/tmp/package.pdf";
  const std::vector<Case> cases = {
      {"print declined",
       Command::PrintAll,
       {MessageAnswer::Cancel},
       true,
       pdf,
       -1,
       false,
       false,
       1},
      {"printed", Command::PrintAll, {MessageAnswer::Ok}, true, {}, -1, true, false, 1},
      {"no printer, no PDF",
       Command::PrintAll,
       {MessageAnswer::Ok, MessageAnswer::Cancel},
       false,
       pdf,
       -1,
       false,
       false,
       2},
      {"no printer, file dialog cancelled", Command::PrintAll, {}, false, {}, -1, false, false, 2},
      {"no printer, PDF instead", Command::PrintAll, {}, false, pdf, -1, true, false, 2},
      {"printer fails", Command::PrintAll, {}, true, {}, 40, false, true, 2},
      {"export cancelled", Command::ExportPdf, {}, true, {}, -1, false, false, 0},
      {"exported", Command::ExportPdf, {}, true, pdf, -1, true, false, 0},
      {"export fails", Command::ExportPdf, {}, true, pdf, 40, false, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form::RecordingHost host;
    for (const MessageAnswer answer : c.answers) {
      host.scriptMessageAnswer(answer);
    }
    host.setPrinterAvailable(c.printer);
    host.scriptPdfFileName(c.pdf);
    host.failPrinterOperation(c.failingOperation, "กระดาษติด");

    if (c.command == Command::PrintAll) {
      form::PrintPackageCommand(kProject, "2026-12-08", {}, host);
      EXPECT_NE(host.messages().at(0).prompt.find("3 คอลัมน์ รวม 4 หน้า"), std::string::npos);
    } else {
      form::ExportPackageCommand(kProject, "2026-12-08", "โรงงาน.pdf", {}, host);
    }

    const std::vector<std::string>& operations = host.printerOperations();
    EXPECT_EQ(Count(operations, "EndDocument()"), c.ends ? 1 : 0);
    EXPECT_EQ(Count(operations, "AbortDocument()"), c.aborts ? 1 : 0);
    if (c.ends) { // the summary page, then a sheet a column
      EXPECT_EQ(Count(operations, "NewPage()"), 3);
    }
    const bool toPdf = (c.ends || c.aborts) && (c.command == Command::ExportPdf || !c.printer);
    EXPECT_EQ(host.pdfFilesOpened(),
              toPdf ? std::vector<std::string>{pdf} : std::vector<std::string>{});
    ASSERT_EQ(host.messages().size(), c.messages);
    if (c.aborts) {
      const form::MessageCall& failure = host.messages().back();
      EXPECT_EQ(failure.style, form::MessageStyle::CriticalOk());
      EXPECT_NE(failure.prompt.find("ไม่สำเร็จ: กระดาษติด"), std::string::npos) << failure.prompt;
    }
  }
}

TEST(ScheduleRowTest, FailingRowsReadAsFailingWithoutColour) {
  struct Case {
    ColumnEntry entry;
    const char* utilisation;
    const char* verdict;
    bool failing;
  };
  ColumnEntry impossible = Column("ก-3", 8000);
  impossible.inputs.wallThicknessMm = 60; // no wall left: the check stops
  const std::vector<Case> cases = {
      {Column("ก-1", 8000), "77.8", "OK", false},
      {Column("ก-2", 900000), "8755.2", "✗ NOT OK", true},
      {impossible, "-", "✗ ERROR ImpossiblePipe", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry.mark);
    const project::ScheduleRow row =
        project::ScheduleRowOf(c.entry, engine::AnswerColumn(c.entry.inputs));
    EXPECT_EQ(row.text(project::ScheduleField::Mark), c.entry.mark);
    EXPECT_EQ(row.text(project::ScheduleField::Pipe),
              c.entry.inputs.wallThicknessMm == 60 ? "114.3 x 60" : "114.3 x 3.2");
    EXPECT_EQ(row.text(project::ScheduleField::Load), c.entry.mark == "ก-2" ? "900000" : "8000");
    EXPECT_EQ(row.text(project::ScheduleField::Utilisation), c.utilisation);
    EXPECT_EQ(row.text(project::ScheduleField::Verdict), c.verdict);
    EXPECT_EQ(row.failing, c.failing);
  }
}

} // namespace
