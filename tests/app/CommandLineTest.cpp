#include "app/CommandLine.h"

#include "engine/FormState.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using app::ExitStatus;
using nlohmann::json;

struct Outcome {
  ExitStatus status;
  std::string out;
  std::string err;
  json document;
};

Outcome RunCli(std::vector<std::string> arguments, const app::SheetWriter& writer = {}) {
  std::ostringstream out;
  std::ostringstream err;
  const app::SheetWriter noSheet = [](const engine::FormState&, const std::string&) {
    throw std::runtime_error("no sheet in this test");
  };
  Outcome outcome{app::RunCommandLine(arguments, out, err, writer ? writer : noSheet), out.str(),
                  err.str(), nullptr};
  if (!outcome.out.empty() && outcome.out.front() == '{') {
    outcome.document = json::parse(outcome.out);
  }
  return outcome;
}

const std::string kPass = "เสาท่อกลมนี้รับน้ำหนักได้ OK";
const std::string kFail = "เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น";

TEST(CommandLine, DefaultsCarryTheLoad) {
  const Outcome outcome = RunCli({"--json"});
  EXPECT_EQ(outcome.status, ExitStatus::Carries);
  const json& record = outcome.document["record"];
  EXPECT_EQ(record["MaxAxialForce"], 10280);
  EXPECT_EQ(record["PlateSize"], 15);
  EXPECT_EQ(record["PlateThicknessMm"], 4);
  EXPECT_EQ(record["AxialCapacity"].dump(), "10279.62");
  EXPECT_EQ(record["InsideDiameter"].dump(), "107.89999999999999");
  EXPECT_EQ(outcome.document["captions"]["Label555"], kPass);
  EXPECT_EQ(outcome.document["print_enabled"], true);
  EXPECT_TRUE(outcome.document["failure"].is_null());
  EXPECT_EQ(outcome.document["fields"]["Text17"], " C-002");
}

struct Scenario {
  const char* name;
  std::vector<std::string> arguments;
  ExitStatus status;
  std::string verdict;
  int plateSize;
  int plateThicknessMm;
  double axialLoad;
  double outsideDiameter;
  std::vector<std::string> messages;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Scenario& c, std::ostream* os) {
  *os << c.name;
}

class Scenarios : public testing::TestWithParam<Scenario> {};

TEST_P(Scenarios, AnswerThePromptsAsAUserWould) {
  std::vector<std::string> arguments = GetParam().arguments;
  arguments.push_back("--json");
  const Outcome outcome = RunCli(arguments);
  EXPECT_EQ(outcome.status, GetParam().status);
  const json& record = outcome.document["record"];
  EXPECT_EQ(outcome.document["captions"]["Label555"], GetParam().verdict);
  EXPECT_EQ(record["PlateSize"], GetParam().plateSize);
  EXPECT_EQ(record["PlateThicknessMm"], GetParam().plateThicknessMm);
  EXPECT_EQ(record["AxialLoad"], GetParam().axialLoad);
  EXPECT_EQ(record["OutsideDiameter"], GetParam().outsideDiameter);
  EXPECT_EQ(outcome.document["messages"], json(GetParam().messages));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Scenarios,
    testing::Values(Scenario{"Load12000",
                             {"--load", "12000"},
                             ExitStatus::DoesNotCarry,
                             kFail,
                             18,
                             7,
                             12000,
                             114.3,
                             {}},
                    Scenario{"DiameterNotANumber",
                             {"--diameter", "abc"},
                             ExitStatus::DoesNotCarry,
                             kFail,
                             15,
                             5,
                             8000,
                             100,
                             {"ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"}},
                    Scenario{"LoadWithSeparator",
                             {"--load=1,000"},
                             ExitStatus::Carries,
                             kPass,
                             13,
                             2,
                             1000,
                             114.3,
                             {}},
                    Scenario{"OrderIsDiameterFirst",
                             {"--load", "900001", "--diameter", "2001"},
                             ExitStatus::DoesNotCarry,
                             kFail,
                             15,
                             5,
                             8000,
                             100,
                             {"ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่",
                              "กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่"}},
                    Scenario{"LargePipe",
                             {"--diameter", "2000", "--thickness", "50"},
                             ExitStatus::Carries,
                             kPass,
                             202,
                             2,
                             8000,
                             2000,
                             {}}),
    [](const testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

TEST(CommandLine, TextOutputListsCaptionsThenQuantities) {
  const Outcome outcome = RunCli({"--k-factor", "0.85"});
  EXPECT_EQ(outcome.status, ExitStatus::Carries);
  std::istringstream lines(outcome.out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) {
    all.push_back(line);
  }
  ASSERT_EQ(all.size(), 7u + 25u);
  EXPECT_EQ(all[3], "K ที่ใช้ในการออกแบบ =  .85");
  EXPECT_EQ(all[6], "Base Plate ขนาด =  15 cm. x  15 cm. หนา =  4 mm.");
  EXPECT_EQ(all[7], "OutsideDiameter = 114.3");
  EXPECT_EQ(all[31], "PlateThicknessMm = 4");
}

TEST(CommandLine, MessagesGoToStandardErrorInTextMode) {
  const Outcome outcome = RunCli({"--height", "11"});
  EXPECT_EQ(outcome.err, "ความสูงที่คุณป้อนมากกว่า 10 m.!?!   โปรดแก้ไขใหม่\n");
  EXPECT_EQ(outcome.out.find("!?!"), std::string::npos);
}

struct Usage {
  const char* name;
  std::vector<std::string> arguments;
  ExitStatus status;
  std::string inOut;
  std::string inErr;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Usage& c, std::ostream* os) {
  *os << c.name;
}

class UsageCases : public testing::TestWithParam<Usage> {};

TEST_P(UsageCases, AnswerAsUsersExpect) {
  const Outcome outcome = RunCli(GetParam().arguments);
  EXPECT_EQ(outcome.status, GetParam().status);
  EXPECT_NE(outcome.out.find(GetParam().inOut), std::string::npos) << outcome.out;
  EXPECT_NE(outcome.err.find(GetParam().inErr), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageCases,
    testing::Values(Usage{"Help", {"--help"}, ExitStatus::Carries, "--diameter TEXT", ""},
                    Usage{"Version", {"--version"}, ExitStatus::Carries, "pipecolumn-cli 1.", ""},
                    Usage{"Unknown", {"--colour"}, ExitStatus::Failed, "", "unknown option"},
                    Usage{"MissingValue", {"--load"}, ExitStatus::Failed, "", "needs a value"},
                    Usage{"ValueOnFlag", {"--json=yes"}, ExitStatus::Failed, "", "takes no value"},
                    Usage{"NegativeValueIsAValue",
                          {"--load", "-5"},
                          ExitStatus::Carries,
                          "ออกแบบให้เสารับน้ำหนัก =  8000 kg.",
                          "น้อยกว่า 100 kg."}),
    [](const testing::TestParamInfo<Usage>& info) { return std::string(info.param.name); });

TEST(CommandLine, SheetGetsTheHeaderTextsAndTheCalculation) {
  std::string path;
  std::string project;
  std::string column;
  std::int32_t plate = 0;
  const Outcome outcome =
      RunCli({"--load", "12000", "--sheet", "out.pdf", "--project", "โรงงาน", "--column", ""},
             [&](const engine::FormState& form, const std::string& file) {
               path = file;
               project = form.text(engine::Field::Text15);
               column = form.text(engine::Field::Text17);
               plate = form.record().PlateSize;
             });
  EXPECT_EQ(outcome.status, ExitStatus::DoesNotCarry);
  EXPECT_EQ(path, "out.pdf");
  EXPECT_EQ(project, "โรงงาน");
  EXPECT_EQ(column, "");
  EXPECT_EQ(plate, 18);
}

TEST(CommandLine, SheetThatCannotBeWrittenFailsTheRun) {
  const Outcome outcome = RunCli({"--sheet", "/nonexistent/x.pdf"});
  EXPECT_EQ(outcome.status, ExitStatus::Failed);
  EXPECT_NE(outcome.err.find("cannot write the sheet"), std::string::npos);
}

} // namespace
