// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"

#include "form/FormState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using app::ExitStatus;
using clitest::Json;
using clitest::KeysOf;
using clitest::Outcome;
using clitest::RunCli;
using clitest::With;
using form::HeaderField;

const std::string kPass = "เสาท่อกลมนี้รับน้ำหนักได้ OK";
const std::string kFail = "เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น";

TEST(CommandLine, JsonDocumentHasEveryKeyOfSchemaOneWithNumbersAsNumbers) {
  const Outcome outcome = RunCli({"--json"});
  EXPECT_EQ(outcome.status, ExitStatus::Carries);
  EXPECT_EQ(outcome.err, "");
  const Json& document = outcome.document;
  EXPECT_EQ(KeysOf(document),
            (std::vector<std::string>{"schema", "inputs", "materials", "header", "results",
                                      "verdict", "slenderness_warning", "local_buckling_warning",
                                      "warnings", "cross_check", "suggestion", "captions",
                                      "messages", "print_enabled", "failure"}));
  EXPECT_EQ(document["schema"], 1);
  EXPECT_EQ(KeysOf(document["inputs"]),
            (std::vector<std::string>{"section", "outside_diameter_mm", "wall_thickness_mm",
                                      "height_m", "k_factor", "axial_load_kg"}));
  EXPECT_EQ(KeysOf(document["header"]),
            (std::vector<std::string>{"project", "engineer", "column_mark"}));
  EXPECT_EQ(
      KeysOf(document["captions"]),
      (std::vector<std::string>{"outside_diameter", "wall_thickness", "height", "k_factor",
                                "axial_load", "verdict", "base_plate", "utilisation", "suggestion",
                                "slenderness_warning", "local_buckling_warning", "cross_check"}));
  EXPECT_EQ(document["results"].size(), 18u);
  for (const char* group : {"inputs", "materials", "results"}) {
    for (const auto& [key, value] : document[group].items()) {
      EXPECT_TRUE(value.is_number() || key == "section") << group << "." << key << " = " << value;
    }
  }
  // The shortest form that reads back as the same double, not the rounded text.
  EXPECT_EQ(document["results"]["inside_diameter_mm"].dump(), "107.89999999999999");
  EXPECT_EQ(document["results"]["axial_capacity_kg"].dump(), "10279.62");
  EXPECT_EQ(document["results"]["max_axial_force_kg"].dump(), "10280");
  EXPECT_DOUBLE_EQ(document["results"]["utilisation"].get<double>(), 8000 / 10279.62);
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
  const app::SheetWriter writer = [&](const engine::ColumnAnswer&, const report::SheetHeader&,
                                      const std::string&) { sheetWritten = true; };

  const Outcome text = RunCli(With(With(c.arguments, "--sheet"), "out.pdf"), {.sheet = writer});
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
  for (const char* key : {"slenderness_warning", "local_buckling_warning", "suggestion"}) {
    EXPECT_TRUE(json.document[key].is_null()) << key;
  }
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
  const std::vector<std::string> all = clitest::LinesOf(outcome.out);
  const std::size_t quantities = 17;
  const std::size_t assessment = 2; // the utilisation and the lightest standard pipe
  ASSERT_GT(all.size(), 7 + quantities + assessment);
  EXPECT_EQ(all[3], "K ที่ใช้ในการออกแบบ =  .85");
  EXPECT_EQ(all[5], kPass);
  EXPECT_EQ(all[6], "Base Plate ขนาด =  15 cm. x  15 cm. หนา =  4 mm.");
  EXPECT_EQ(std::count(all.begin(), all.end(), ""), 0) << outcome.out;
  const std::vector<std::string> tail(all.end() - quantities - assessment, all.end());
  EXPECT_EQ(tail[0], "inside_diameter_mm = 107.9");
  EXPECT_EQ(tail[9], "axial_capacity_kg = 10279.62");
  EXPECT_EQ(tail[16], "plate_thickness_mm = 4");
  // D - 2T leaves 0.19999999999999929 here.
  const Outcome thinBore = RunCli({"--diameter", "10.2", "--thickness", "5"});
  EXPECT_NE(thinBore.out.find("\ninside_diameter_mm = 0.2\n"), std::string::npos) << thinBore.out;
  // The window's suggestion asks for a click; the command line names the pipe instead.
  EXPECT_EQ(outcome.out.find("คลิกเพื่อใช้"), std::string::npos) << outcome.out;
}

struct Assessed {
  const char* name;
  std::vector<std::string> arguments;
  const char* utilisationLine;
  bool slenderness;
  bool localBuckling;
  const char* lightestLine; // empty when the pipe checked is the lightest that carries
  double suggestedDiameter; // 0 for none
};

void PrintTo(const Assessed& c, std::ostream* os) {
  *os << c.name;
}

class AssessmentCases : public testing::TestWithParam<Assessed> {};

TEST_P(AssessmentCases, ReadTheSameInTextAndJson) {
  const Assessed& c = GetParam();
  const std::vector<std::string> lines = clitest::LinesOf(RunCli(c.arguments).out);
  ASSERT_GT(lines.size(), 2u);
  const bool hasLightestLine = *c.lightestLine != '\0';
  EXPECT_EQ(lines[lines.size() - (hasLightestLine ? 2 : 1)], c.utilisationLine);
  if (hasLightestLine) {
    EXPECT_EQ(lines.back(), c.lightestLine);
  }

  const Json document = RunCli(With(c.arguments, "--json")).document;
  const Json& results = document["results"];
  EXPECT_NEAR(results["utilisation"].get<double>(),
              document["inputs"]["axial_load_kg"].get<double>() /
                  results["axial_capacity_kg"].get<double>(),
              1e-12);
  EXPECT_EQ(document["slenderness_warning"], c.slenderness);
  EXPECT_EQ(document["local_buckling_warning"], c.localBuckling);
  if (c.suggestedDiameter == 0) {
    EXPECT_TRUE(document["suggestion"].is_null()) << document["suggestion"];
  } else {
    EXPECT_EQ(KeysOf(document["suggestion"]),
              (std::vector<std::string>{"nominal", "outside_diameter_mm", "wall_thickness_mm",
                                        "unit_mass_kg_m"}));
    EXPECT_EQ(document["suggestion"]["outside_diameter_mm"], c.suggestedDiameter);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssessmentCases,
    testing::Values(Assessed{"InitialColumn",
                             {},
                             "utilisation = 77.8 %",
                             false,
                             false,
                             "lightest standard pipe = 90A, 3 1/2\" 101.6 x 3.2 mm (7.76 kg/m)",
                             101.6},
                    Assessed{"LightestAlready",
                             {"--diameter", "101.6"},
                             "utilisation = 99.8 %",
                             false,
                             false,
                             "",
                             0},
                    Assessed{"Slender",
                             {"--height", "10", "--k-factor", "2", "--load", "100"},
                             "utilisation = 17.9 %",
                             true,
                             false,
                             "lightest standard pipe = 350A, 14\" 355.6 x 6.4 mm (55.1 kg/m)",
                             355.6},
                    Assessed{"ThinWall",
                             {"--diameter", "500", "--thickness", "5"},
                             "utilisation = 7.2 %",
                             false,
                             true,
                             "lightest standard pipe = 90A, 3 1/2\" 101.6 x 3.2 mm (7.76 kg/m)",
                             101.6},
                    Assessed{"NoStandardPipeCarries",
                             {"--height", "10", "--k-factor", "2", "--load", "900000"},
                             "utilisation = 161095.4 %",
                             true,
                             false,
                             "lightest standard pipe = none carries the load",
                             0}),
    [](const testing::TestParamInfo<Assessed>& info) { return std::string(info.param.name); });

struct Usage {
  const char* name;
  std::vector<std::string> arguments;
  ExitStatus status;
  std::string inOut;
  std::string inErr;
  std::string command = ""; // whose help a usage error points to
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
    const std::string tail =
        "\nTry 'pipecolumn-cli " + (c.command.empty() ? "" : c.command + " ") + "--help'.\n";
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
        Usage{"ShortHelp", {"-h"}, ExitStatus::Succeeded, "Usage: pipecolumn-cli [OPTION]", ""},
        Usage{"CommandShortHelp",
              {"schedule", "-h"},
              ExitStatus::Succeeded,
              "\n  --engineer TEXT    sheet header: engineer",
              ""},
        Usage{"RepeatedOption",
              {"--load", "12000", "--load", "8000"},
              ExitStatus::Failed,
              "",
              "--load: ระบุซ้ำ 2 ครั้ง ระบุได้ครั้งเดียว (option given more than once)\n"},
        Usage{"RepeatedOptionOfACommand",
              {"design", "--load", "1", "--load=2", "--load=3"},
              ExitStatus::Failed,
              "",
              "--load: ระบุซ้ำ 3 ครั้ง",
              "design"},
        Usage{"ConcreteStrengthOutOfRange",
              {"--concrete-strength", "50"},
              ExitStatus::Failed,
              "",
              "--concrete-strength: กำลังอัดคอนกรีต f′c (concrete strength) 50 ต้องอยู่ระหว่าง 100 "
              "ถึง 1000 kg/cm²\n"},
        Usage{"DesignTakesTheConcreteStrength",
              {"design", "--json", "--concrete-strength=1,000"},
              ExitStatus::Carries,
              "\"concrete_strength_kg_cm2\": 1000.0\n",
              ""},
        Usage{"ConcreteStrengthNotANumber",
              {"chart", "c.svg", "--concrete-strength=abc"},
              ExitStatus::Failed,
              "",
              "(concrete strength) abc ต้องเป็นตัวเลข\n",
              "chart"},
        Usage{"HelpBeforeOtherMistakes", {"--colour", "--help"}, ExitStatus::Carries, "Usage:", ""},
        Usage{"Version", {"--version"}, ExitStatus::Carries, "pipecolumn-cli 1.", ""},
        Usage{"HelpListsTheCommands",
              {"--help"},
              ExitStatus::Succeeded,
              "\nCommands:\n  catalogue          Lists the standard pipes or boxes.\n",
              ""},
        Usage{"CommandHelp",
              {"design", "--help"},
              ExitStatus::Succeeded,
              "Usage: pipecolumn-cli design [OPTION]...\n",
              ""},
        Usage{"UnknownOptionWithItsValueInOrder",
              {"--colour", "red"},
              ExitStatus::Failed,
              "",
              "not expected: --colour red\n"},
        Usage{"UnknownCommand", {"desing"}, ExitStatus::Failed, "", "desing"},
        Usage{"DiameterIsNoOptionOfDesign",
              {"design", "--diameter", "100"},
              ExitStatus::Failed,
              "",
              "--diameter 100",
              "design"},
        Usage{"CheckOptionBeforeACommand",
              {"--load", "5", "design"},
              ExitStatus::Failed,
              "",
              "--load is not an option of design",
              "design"},
        Usage{"ChartWithoutItsFile", {"chart"}, ExitStatus::Failed, "", "OUT", "chart"},
        Usage{"ChartWithTwoFiles",
              {"chart", "a.svg", "b.svg"},
              ExitStatus::Failed,
              "",
              "b.svg",
              "chart"},
        Usage{"JsonIsNoOptionOfChart",
              {"chart", "a.svg", "--json"},
              ExitStatus::Failed,
              "",
              "--json",
              "chart"},
        Usage{"StrayArgument", {"12000"}, ExitStatus::Failed, "", "12000"},
        Usage{"MissingValue", {"--json", "--load"}, ExitStatus::Failed, "", "--load"},
        Usage{"EmptyValueAfterEquals", {"--load="}, ExitStatus::Failed, "", "--load"},
        Usage{"ValueOnAFlag", {"--json=yes"}, ExitStatus::Failed, "", "json"}),
    [](const testing::TestParamInfo<Usage>& info) { return std::string(info.param.name); });

TEST(CommandLine, SheetGetsTheHeaderTextsAndTheCalculation) {
  std::string path;
  std::string project;
  std::string engineer = "unset";
  std::string column;
  std::optional<std::int32_t> plateSide;
  const Outcome outcome =
      RunCli({"--load", "12000", "--sheet", "out.pdf", "--project", "โรงงาน", "--column", "-C7"},
             {.sheet = [&](const engine::ColumnAnswer& answer, const report::SheetHeader& header,
                           const std::string& file) {
               path = file;
               project = header.project;
               engineer = header.engineer; // not given: no one's name, not the window's example
               column = header.columnMark;
               plateSide = answer.record.plateSide;
             }});
  EXPECT_EQ(outcome.status, ExitStatus::DoesNotCarry);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(path, "out.pdf");
  EXPECT_EQ(project, "โรงงาน");
  EXPECT_EQ(engineer, "");
  EXPECT_EQ(column, "-C7");
  EXPECT_EQ(plateSide, 18);
}

TEST(CommandLine, SheetThatCannotBeWrittenFailsTheRun) {
  const Outcome outcome = RunCli({"--sheet", "/nonexistent/x.pdf"});
  EXPECT_EQ(outcome.status, ExitStatus::Failed);
  EXPECT_EQ(outcome.err, "pipecolumn-cli: cannot write the sheet: no sheet in this test\n");
}

} // namespace
