#include "app/CommandLine.h"

#include "form/FormState.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using app::ExitStatus;
using form::HeaderField;
using Json = nlohmann::ordered_json;

struct Outcome {
  ExitStatus status;
  std::string out;
  std::string err;
  Json document;
};

Outcome RunCli(std::vector<std::string> arguments, const app::SheetWriter& writer = {}) {
  std::ostringstream out;
  std::ostringstream err;
  const app::SheetWriter noSheet = [](const form::FormState&, const std::string&) {
    throw std::runtime_error("no sheet in this test");
  };
  Outcome outcome{app::RunCommandLine(arguments, out, err, writer ? writer : noSheet), out.str(),
                  err.str(), nullptr};
  if (!outcome.out.empty() && outcome.out.front() == '{') {
    outcome.document = Json::parse(outcome.out);
  }
  return outcome;
}

std::vector<std::string> With(std::vector<std::string> arguments, const std::string& more) {
  arguments.push_back(more);
  return arguments;
}

std::vector<std::string> KeysOf(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : object.items()) {
    keys.push_back(key);
  }
  return keys;
}

const std::string kPass = "เสาท่อกลมนี้รับน้ำหนักได้ OK";
const std::string kFail = "เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น";

TEST(CommandLine, JsonDocumentHasEveryKeyOfSchemaOneWithNumbersAsNumbers) {
  const Outcome outcome = RunCli({"--json"});
  EXPECT_EQ(outcome.status, ExitStatus::Carries);
  EXPECT_EQ(outcome.err, "");
  const Json& document = outcome.document;
  EXPECT_EQ(KeysOf(document), (std::vector<std::string>{"schema", "inputs", "materials", "header",
                                                        "results", "verdict", "captions",
                                                        "messages", "print_enabled", "failure"}));
  EXPECT_EQ(document["schema"], 1);
  EXPECT_EQ(KeysOf(document["inputs"]),
            (std::vector<std::string>{"outside_diameter_mm", "wall_thickness_mm", "height_m",
                                      "k_factor", "axial_load_kg"}));
  EXPECT_EQ(KeysOf(document["header"]),
            (std::vector<std::string>{"project", "engineer", "column_mark"}));
  EXPECT_EQ(
      KeysOf(document["captions"]),
      (std::vector<std::string>{"outside_diameter", "wall_thickness", "height", "k_factor",
                                "axial_load", "verdict", "base_plate", "utilisation", "suggestion",
                                "slenderness_warning", "local_buckling_warning"}));
  EXPECT_EQ(document["results"].size(), 17u);
  for (const char* group : {"inputs", "materials", "results"}) {
    for (const auto& [key, value] : document[group].items()) {
      EXPECT_TRUE(value.is_number()) << group << "." << key << " = " << value;
    }
  }
  // The shortest form that reads back as the same double, not the rounded text.
  EXPECT_EQ(document["results"]["inside_diameter_mm"].dump(), "107.89999999999999");
  EXPECT_EQ(document["results"]["axial_capacity_kg"].dump(), "10279.62");
  EXPECT_EQ(document["results"]["max_axial_force_kg"].dump(), "10280");
  EXPECT_EQ(document["verdict"], "passes");
  EXPECT_EQ(document["captions"]["verdict"], kPass);
  EXPECT_EQ(document["messages"], Json::array());
  EXPECT_EQ(document["print_enabled"], true);
  EXPECT_TRUE(document["failure"].is_null());
}

struct Accepted {
  const char* name;
  std::vector<std::string> arguments;
  ExitStatus status;
  const char* verdict;
  int plateSideCm;
  int plateThicknessMm;
  double axialLoadKg;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Accepted& c, std::ostream* os) {
  *os << c.name;
}

class AcceptedAnswers : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedAnswers, GiveTheVerdictAndTheExitStatusSilently) {
  const Accepted& c = GetParam();
  const Outcome outcome = RunCli(With(c.arguments, "--json"));
  EXPECT_EQ(outcome.status, c.status);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.document["verdict"], c.verdict);
  EXPECT_EQ(outcome.document["print_enabled"], c.status == ExitStatus::Carries);
  EXPECT_EQ(outcome.document["results"]["plate_side_cm"], c.plateSideCm);
  EXPECT_EQ(outcome.document["results"]["plate_thickness_mm"], c.plateThicknessMm);
  EXPECT_EQ(outcome.document["inputs"]["axial_load_kg"], c.axialLoadKg);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedAnswers,
    testing::Values(
        Accepted{"Load12000", {"--load", "12000"}, ExitStatus::DoesNotCarry, "fails", 18, 7, 12000},
        Accepted{"LoadWithSeparator", {"--load=1,000"}, ExitStatus::Carries, "passes", 13, 2, 1000},
        Accepted{"LastOfARepeatedOption",
                 {"--load", "12000", "--load", "8000"},
                 ExitStatus::Carries,
                 "passes",
                 15,
                 4,
                 8000},
        Accepted{"LargePipe",
                 {"--diameter", "2000", "--thickness", "50"},
                 ExitStatus::Carries,
                 "passes",
                 202,
                 2,
                 8000}),
    [](const testing::TestParamInfo<Accepted>& info) { return std::string(info.param.name); });

struct Rejected {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<std::string> rejectedInputs; // JSON keys
  std::vector<std::string> messages;
};

void PrintTo(const Rejected& c, std::ostream* os) {
  *os << c.name;
}

class RejectedAnswers : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedAnswers, StopTheRunWithThePromptsMessagesAndNoSheet) {
  const Rejected& c = GetParam();
  std::string expectedErr;
  for (const std::string& message : c.messages) {
    expectedErr += message + "\n";
  }
  bool sheetWritten = false;
  const app::SheetWriter writer = [&](const form::FormState&, const std::string&) {
    sheetWritten = true;
  };

  const Outcome text = RunCli(With(With(c.arguments, "--sheet"), "out.pdf"), writer);
  EXPECT_EQ(text.status, ExitStatus::Failed);
  EXPECT_EQ(text.err, expectedErr);
  EXPECT_EQ(text.out, "");
  EXPECT_FALSE(sheetWritten);

  const Outcome json = RunCli(With(c.arguments, "--json"));
  EXPECT_EQ(json.status, ExitStatus::Failed);
  EXPECT_EQ(json.err, expectedErr);
  EXPECT_EQ(json.document["messages"], Json(c.messages));
  EXPECT_TRUE(json.document["verdict"].is_null());
  EXPECT_EQ(json.document["print_enabled"], false);
  EXPECT_TRUE(json.document["failure"].is_null());
  for (const auto& [key, value] : json.document["results"].items()) {
    EXPECT_TRUE(value.is_null()) << key;
  }
  for (const auto& [key, value] : json.document["inputs"].items()) {
    const bool rejected =
        std::find(c.rejectedInputs.begin(), c.rejectedInputs.end(), key) != c.rejectedInputs.end();
    EXPECT_EQ(value.is_null(), rejected) << key << " = " << value;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RejectedAnswers,
    testing::Values(Rejected{"BelowTheRangeWithAMinusSign",
                             {"--load", "-5"},
                             {"axial_load_kg"},
                             {"กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่"}},
                    Rejected{"AboveTheRange",
                             {"--load", "2000000"},
                             {"axial_load_kg"},
                             {"กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่"}},
                    Rejected{"BelowTheRangeAfterAnAcceptedAnswer",
                             {"--height", "5", "--k-factor=0.5"},
                             {"k_factor"},
                             {"กำหนดค่า K น้อยกว่า 0.6 !?!   โปรดแก้ไขใหม่"}},
                    Rejected{"NotANumber",
                             {"--diameter", "abc"},
                             {"outside_diameter_mm"},
                             {"ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"}},
                    Rejected{"NoFallbackIsJudgedWithALaterAnswer",
                             {"--diameter", "abc", "--thickness", "50"},
                             {"outside_diameter_mm"},
                             {"ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"}},
                    Rejected{"ImpossiblePipe",
                             {"--diameter", "30", "--thickness", "15"},
                             {"wall_thickness_mm"},
                             {"ความหนาของท่อต้องน้อยกว่าครึ่งหนึ่งของขนาดเส้นผ่าศูนย์กลาง !?!   โปรดแก้ไขใหม่"}},
                    Rejected{"Empty",
                             {"--height", ""},
                             {"height_m"},
                             {"ความสูงที่คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"}},
                    Rejected{"EveryRejectionInTheOrderOfThePrompts",
                             {"--load", "900001", "--diameter", "2001"},
                             {"outside_diameter_mm", "axial_load_kg"},
                             {"ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่",
                              "กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่"}}),
    [](const testing::TestParamInfo<Rejected>& info) { return std::string(info.param.name); });

TEST(CommandLine, TextOutputListsCaptionsThenQuantitiesAsPeopleReadThem) {
  const Outcome outcome = RunCli({"--k-factor", "0.85"});
  EXPECT_EQ(outcome.status, ExitStatus::Carries);
  EXPECT_EQ(outcome.err, "");
  std::istringstream lines(outcome.out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) {
    all.push_back(line);
  }
  const std::size_t quantities = 17;
  ASSERT_GT(all.size(), 7 + quantities);
  EXPECT_EQ(all[3], "K ที่ใช้ในการออกแบบ =  .85");
  EXPECT_EQ(all[5], kPass);
  EXPECT_EQ(all[6], "Base Plate ขนาด =  15 cm. x  15 cm. หนา =  4 mm.");
  EXPECT_EQ(std::count(all.begin(), all.end(), ""), 0) << outcome.out;
  const std::vector<std::string> tail(all.end() - quantities, all.end());
  EXPECT_EQ(tail[0], "inside_diameter_mm = 107.9");
  EXPECT_EQ(tail[9], "axial_capacity_kg = 10279.62");
  EXPECT_EQ(tail[16], "plate_thickness_mm = 4");
}

struct Usage {
  const char* name;
  std::vector<std::string> arguments;
  ExitStatus status;
  std::string inOut;
  std::string inErr;
};

void PrintTo(const Usage& c, std::ostream* os) {
  *os << c.name;
}

class UsageCases : public testing::TestWithParam<Usage> {};

TEST_P(UsageCases, AnswerAsUsersExpect) {
  const Usage& c = GetParam();
  const Outcome outcome = RunCli(c.arguments);
  EXPECT_EQ(outcome.status, c.status);
  EXPECT_NE(outcome.out.find(c.inOut), std::string::npos) << outcome.out;
  if (c.status == ExitStatus::Failed) {
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("pipecolumn-cli: ", 0), 0u) << outcome.err;
    const std::string tail = "\nTry 'pipecolumn-cli --help'.\n";
    ASSERT_GE(outcome.err.size(), tail.size());
    EXPECT_EQ(outcome.err.substr(outcome.err.size() - tail.size()), tail);
    EXPECT_NE(outcome.err.find(c.inErr), std::string::npos) << outcome.err;
  } else {
    EXPECT_EQ(outcome.err, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageCases,
    testing::Values(
        Usage{"Help",
              {"--help"},
              ExitStatus::Carries,
              "\n  --k-factor TEXT    effective length factor K (0.6 to 2)\n",
              ""},
        Usage{"HelpBeforeOtherMistakes", {"--colour", "--help"}, ExitStatus::Carries, "Usage:", ""},
        Usage{"Version", {"--version"}, ExitStatus::Carries, "pipecolumn-cli 1.", ""},
        Usage{"UnknownOption", {"--colour", "red"}, ExitStatus::Failed, "", "--colour"},
        Usage{"StrayArgument", {"12000"}, ExitStatus::Failed, "", "12000"},
        Usage{"MissingValue", {"--json", "--load"}, ExitStatus::Failed, "", "--load"},
        Usage{"EmptyValueAfterEquals", {"--load="}, ExitStatus::Failed, "", "--load"},
        Usage{"ValueOnAFlag", {"--json=yes"}, ExitStatus::Failed, "", "json"}),
    [](const testing::TestParamInfo<Usage>& info) { return std::string(info.param.name); });

TEST(CommandLine, SheetGetsTheHeaderTextsAndTheCalculation) {
  std::string path;
  std::string project;
  std::string column;
  std::optional<std::int32_t> plateSide;
  const Outcome outcome =
      RunCli({"--load", "12000", "--sheet", "out.pdf", "--project", "โรงงาน", "--column", "-C7"},
             [&](const form::FormState& form, const std::string& file) {
               path = file;
               project = form.header(HeaderField::Project);
               column = form.header(HeaderField::ColumnMark);
               plateSide = form.record().plateSide;
             });
  EXPECT_EQ(outcome.status, ExitStatus::DoesNotCarry);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(path, "out.pdf");
  EXPECT_EQ(project, "โรงงาน");
  EXPECT_EQ(column, "-C7");
  EXPECT_EQ(plateSide, 18);
}

TEST(CommandLine, SheetThatCannotBeWrittenFailsTheRun) {
  const Outcome outcome = RunCli({"--sheet", "/nonexistent/x.pdf"});
  EXPECT_EQ(outcome.status, ExitStatus::Failed);
  EXPECT_EQ(outcome.err, "pipecolumn-cli: cannot write the sheet: no sheet in this test\n");
}

} // namespace
