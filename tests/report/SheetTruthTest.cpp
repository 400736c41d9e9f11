// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet says only what the record shows: its capacity line judges a passing column OK, a
// failing one NOT OK, and a form printed before any calculation not at all; a header too long for
// the page is cut at the margin.

#include "engine/ColumnCheck.h"
#include "report/CalculationSheet.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

const std::string kCapacityLead = "PrintLine(ท่อเหล็กกลมรับน้ำหนักได้สูงสุด = ";

std::vector<std::string> Print(const engine::DesignRecord& record,
                               const report::SheetHeader& header) {
  form::RecordingHost host;
  const std::unique_ptr<report::Printer> printer = host.OpenDefaultPrinter();
  report::PrintCalculationSheet(engine::AnswerOf({}, record), header, {}, *printer);
  return host.printerOperations();
}

std::string LineStarting(const std::vector<std::string>& operations, const std::string& lead) {
  for (const std::string& operation : operations) {
    if (operation.rfind(lead, 0) == 0) {
      return operation;
    }
  }
  return {};
}

engine::DesignRecord Checked(double load) {
  engine::ColumnInputs inputs;
  inputs.axialLoadKg = load;
  return engine::CheckColumn(inputs);
}

TEST(SheetTruth, CapacityLineJudgesAsTheRecordSays) {
  const struct {
    const char* name;
    std::optional<double> load; // none: printed before any calculation
    std::string line;
  } kCases[] = {
      {"passing", 8000, kCapacityLead + " 10280  kg.  > 8000   kg.     OK)"},
      {"equal to the capacity", 10279.62, kCapacityLead + " 10280  kg.  > 10279.62   kg.     OK)"},
      {"failing", 12000, kCapacityLead + " 10280  kg.  < 12000   kg.     NOT OK)"},
      // 10279.62 kg rounds to the load it does not carry.
      {"at the whole capacity", 10280, kCapacityLead + " 10279.62  kg.  < 10280   kg.     NOT OK)"},
      {"blank form", std::nullopt, kCapacityLead + " kg.      kg.)"},
  };
  for (const auto& sheet : kCases) {
    const engine::DesignRecord record = sheet.load ? Checked(*sheet.load) : engine::DesignRecord{};
    EXPECT_EQ(LineStarting(Print(record, {}), kCapacityLead), sheet.line) << sheet.name;
  }
}

TEST(SheetTruth, BlankFormPrintsNoValues) {
  for (const std::string& operation : Print({}, {})) {
    if (operation.rfind("PrintLine(", 0) == 0) {
      EXPECT_EQ(operation.find(" 0 "), std::string::npos) << operation;
      EXPECT_EQ(operation.find("A = 0"), std::string::npos) << operation;
    }
  }
}

TEST(SheetTruth, LongHeaderIsCutAtTheMargin) {
  // The recording printer takes every character as kRecordedCharacterTwips wide; the header lines
  // start 1500 twips from the left and end 1500 twips from the right edge of A4 (11906 twips).
  const int room = (11906 - 1500 - 1500) / form::kRecordedCharacterTwips;
  const std::string fits(room - std::string(" Project : ").size(), 'x');
  const std::string thai = "สำนักงานใหญ่"; // marks above and below stay with their letter
  std::string longThai;
  while (longThai.size() < 3000) {
    longThai += thai;
  }
  const struct {
    std::string project;
    bool cut;
  } kCases[] = {{"อาคารโกดัง B", false}, {fits, false}, {fits + "y", true}, {longThai, true}};
  for (const auto& header : kCases) {
    const std::string line =
        LineStarting(Print({}, {header.project, "", ""}), "PrintLine( Project");
    const std::string text = line.substr(10, line.size() - 11);
    if (!header.cut) {
      EXPECT_EQ(text, " Project : " + header.project);
      continue;
    }
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.substr(text.size() - 3), "\u2026") << text;
    const std::string kept = text.substr(0, text.size() - 3);
    EXPECT_EQ(header.project.rfind(kept.substr(11), 0), 0u) << "a cut inside a character";
    int characters = 0;
    for (const char c : text) {
      characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    EXPECT_LE(characters, room);
    EXPECT_GE(characters, room - 2); // a Thai letter with its marks may leave up to two short
    // The cut never separates a mark from its letter: what follows it is not a mark.
    const std::string next = header.project.substr(kept.size() - 11, 3);
    for (const char* mark : {"ั", "ิ", "ี", "ึ", "ื", "ุ", "ู", "็", "่", "้", "๊", "๋", "์"}) {
      EXPECT_NE(next, mark) << "cut before a mark";
    }
  }
}

} // namespace
