// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnAnswer.h"
#include "form/PackageCommands.h"
#include "project/ScheduleRow.h"
#include "tests/doubles/Columns.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using form::MessageAnswer;
using project::ColumnEntry;

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

// A host whose user stops long work at a given step, and which keeps the words said when work ends.
class StoppingHost : public form::RecordingHost {
public:
  explicit StoppingHost(std::size_t stopAt) : stopAt_(stopAt) {}
  std::unique_ptr<form::WorkProgress> StartProgress(const std::string&,
                                                    std::size_t total) override {
    total_ = total;
    struct Stopping : form::WorkProgress {
      StoppingHost& host;
      explicit Stopping(StoppingHost& h) : host(h) {}
      bool Step(std::size_t done) override {
        host.steps_.push_back(done);
        return done != host.stopAt_;
      }
    };
    return std::make_unique<Stopping>(*this);
  }
  void ShowDone(const std::string& text) override { words_.push_back(text); }

  std::size_t stopAt_;
  std::size_t total_ = 0;
  std::vector<std::size_t> steps_;
  std::vector<std::string> words_;
};

// Long package work shows a step a page and may be stopped; stopped, the document is withdrawn.
TEST(PackageCommandsTest, ProgressAPageAndStoppingWithdrawsTheDocument) {
  const struct {
    std::size_t stopAt; // 0: never
    bool ends;
    const char* word;
  } kCases[] = {{0, true, "เสร็จแล้ว"}, {2, false, "หยุดแล้ว"}, {4, false, "หยุดแล้ว"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.stopAt);
    StoppingHost host(c.stopAt);
    host.scriptPdfFileName("/tmp/package.pdf");
    form::ExportPackageCommand(kProject, "2026-12-08", "โรงงาน.pdf", {}, host);
    EXPECT_EQ(host.total_, 4u);
    EXPECT_EQ(host.steps_.size(), c.stopAt == 0 ? 4u : c.stopAt);
    EXPECT_EQ(Count(host.printerOperations(), "EndDocument()"), c.ends ? 1 : 0);
    EXPECT_EQ(Count(host.printerOperations(), "AbortDocument()"), c.ends ? 0 : 1);
    EXPECT_TRUE(host.messages().empty());
    ASSERT_EQ(host.words_.size(), 1u);
    EXPECT_NE(host.words_.front().find(c.word), std::string::npos) << host.words_.front();
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
