// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectFile.h"
#include "tests/project/RuleText.h"

#include "engine/InputRules.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;
using project::ReadProjectFile;

project::Project ThaiProject() {
  project::Project subject = project::NewProject();
  subject.header = {"อาคารเรียน ๓ ชั้น \"ปีกซ้าย\"", "นางสาวกานดา ใจดี", "สย. ๑๒๓๔๕"};
  project::ColumnEntry second{"เสา ก-๒,\nแนว 3", {}};
  second.inputs = {168.3, 4.5, 3.5, 1, 12345.678, {}};
  project::ColumnEntry third{"", {}};
  third.inputs.heightM = 0.1 + 0.2 + 3; // a double with no short decimal form
  subject.columns.push_back(second);
  subject.columns.push_back(third);
  subject.materials.concreteStrengthKgCm2 = 240;
  subject.printCrossCheck = true;
  project::ApplyMaterials(subject);
  return subject;
}

TEST(ProjectFileTest, WritesThaiAsUtf8AndReadsBackTheSameProject) {
  const project::Project written = ThaiProject();
  const std::string bytes = project::ProjectFileBytes(written);

  EXPECT_NE(bytes.find("\"schema\": 1"), std::string::npos);
  EXPECT_NE(bytes.find("นางสาวกานดา ใจดี"), std::string::npos);
  EXPECT_EQ(bytes.find("\\u"), std::string::npos);
  const project::ProjectLoad read = ReadProjectFile(bytes, "C1.pipecolumn");
  ASSERT_TRUE(std::holds_alternative<project::Project>(read))
      << std::get<project::LoadErrors>(read).text();
  EXPECT_EQ(std::get<project::Project>(read), written);

  // A file of an earlier program has neither: the defaults hold.
  Json older = Json::parse(bytes);
  older.erase("materials");
  older.erase("print_cross_check");
  const project::ProjectLoad olderRead = ReadProjectFile(older.dump(), "C1.pipecolumn");
  ASSERT_TRUE(std::holds_alternative<project::Project>(olderRead));
  const project::Project& defaults = std::get<project::Project>(olderRead);
  EXPECT_FALSE(defaults.printCrossCheck);
  EXPECT_EQ(defaults.columns[1].inputs.materials, engine::Materials{});
}

TEST(ProjectFileTest, ACarriedProjectNamesItsWriterAndReadsAsTheProjectItself) {
  const project::Project written = ThaiProject();
  const std::string bytes = project::ProjectFileBytes(written, "pipecolumn 9.9.9");

  EXPECT_EQ(project::WriterOfProjectFile(bytes), "pipecolumn 9.9.9");
  EXPECT_EQ(project::WriterOfProjectFile(project::ProjectFileBytes(written)), std::nullopt);
  const project::ProjectLoad read = ReadProjectFile(bytes, "C1.pipecolumn");
  ASSERT_TRUE(std::holds_alternative<project::Project>(read));
  EXPECT_EQ(std::get<project::Project>(read), written);
}

// A valid file with two columns, changed by a case.
std::string Document(const std::function<void(Json&)>& change) {
  Json document = Json::parse(project::ProjectFileBytes(ThaiProject()));
  document["columns"].erase(2);
  document["columns"][0]["mark"] = "C1";
  document["columns"][1]["mark"] = "C2";
  change(document);
  return document.dump(2);
}

struct BadFile {
  const char* name;
  std::string bytes;
  std::vector<std::string> messages;
};

const std::string kFile = "ไฟล์ C1.pipecolumn";
const std::string kColumn2 = kFile + " คอลัมน์ C2 (แถว 2) ช่อง ";
std::vector<BadFile> BadFiles() {
  using engine::Input;
  using ValuePrompt = engine::InputRule;
  return {
      {"Empty", "", {kFile + ": ไฟล์ว่างเปล่า ไม่มีข้อมูลโครงการ"}},
      {"Blank", "\xEF\xBB\xBF \r\n", {kFile + ": ไฟล์ว่างเปล่า ไม่มีข้อมูลโครงการ"}},
      {"MalformedAfterThai",
       "{\"schema\": 1,\n \"header\": {\"project\": \"อาคาร\" \"engineer\"",
       {kFile + ": รูปแบบ JSON ผิดที่บรรทัด 2 ตัวอักษรที่ 41"}},
      {"Cut", "{\"schema\": 1,\n", {kFile + ": รูปแบบ JSON ผิดที่บรรทัด 2 ตัวอักษรที่ 1"}},
      {"MalformedAfterByteOrderMark",
       "\xEF\xBB\xBF{\"schema\" 1}",
       {kFile + ": รูปแบบ JSON ผิดที่บรรทัด 1 ตัวอักษรที่ 11"}},
      {"NotAnObject", "[1, 2]", {kFile + ": ข้อมูลในไฟล์ไม่ใช่โครงการ (ต้องเป็น JSON object)"}},
      {"NewerSchema",
       Document([](Json& d) { d["schema"] = 2; }),
       {kFile + ": schema 2 ใหม่กว่าที่โปรแกรมนี้อ่านได้ (1) โปรดใช้โปรแกรมรุ่นใหม่กว่านี้"}},
      {"SchemaAsText",
       Document([](Json& d) { d["schema"] = "1"; }),
       {kFile + " ช่อง schema: ต้องเป็นเลขจำนวนเต็มตั้งแต่ 1 ขึ้นไป"}},
      {"SchemaMissing",
       Document([](Json& d) { d.erase("schema"); }),
       {kFile + " ช่อง schema: ไม่มีช่องนี้ในไฟล์"}},
      {"ConcreteStrengthOutOfRange",
       Document([](Json& d) { d["materials"]["concrete_strength_kg_cm2"] = 99.5; }),
       {kFile + " ช่อง materials.concrete_strength_kg_cm2: ต้องอยู่ระหว่าง 100 ถึง 1000 kg/cm²"}},
      {"PrintCrossCheckNotABoolean",
       Document([](Json& d) { d["print_cross_check"] = 1; }),
       {kFile + " ช่อง print_cross_check: ต้องเป็น true หรือ false"}},
      {"EngineerNotText",
       Document([](Json& d) { d["header"]["engineer"] = 7; }),
       {kFile + " ช่อง header.engineer: ต้องเป็นข้อความ"}},
      {"LicenceNumberNotText",
       Document([](Json& d) { d["header"]["licence_number"] = 12345; }),
       {kFile + " ช่อง header.licence_number: ต้องเป็นข้อความ"}},
      {"NoColumns",
       Document([](Json& d) { d["columns"] = Json::array(); }),
       {kFile + " ช่อง columns: ไม่มีคอลัมน์เลย โครงการต้องมีอย่างน้อย 1 คอลัมน์"}},
      {"ColumnsNotAList",
       Document([](Json& d) { d["columns"] = Json::object(); }),
       {kFile + " ช่อง columns: ต้องเป็นรายการ (JSON array)"}},
      {"MissingField",
       Document([](Json& d) { d["columns"][1].erase("height_m"); }),
       {kColumn2 + "height_m: ไม่มีช่องนี้ในไฟล์"}},
      {"MissingMarkNamesTheRow",
       Document([](Json& d) { d["columns"][1].erase("mark"); }),
       {kFile + " แถว 2 ช่อง mark: ไม่มีช่องนี้ในไฟล์"}},
      {"NumberAsText",
       Document([](Json& d) { d["columns"][1]["k_factor"] = "1"; }),
       {kColumn2 + "k_factor: ต้องเป็นตัวเลข"}},
      {"ColumnNotAnObject",
       Document([](Json& d) { d["columns"][0] = true; }),
       {kFile + " แถว 1: ต้องเป็น JSON object"}},
      {"ThicknessAbove",
       Document([](Json& d) { d["columns"][1]["wall_thickness_mm"] = 60; }),
       {"ไฟล์ C1.pipecolumn คอลัมน์ C2 (แถว 2) ช่อง wall_thickness_mm: ความหนาที่ "
        "คุณป้อนมากกว่า 50 mm.!?!   โปรดแก้ไขใหม่"}},
      {"NumberBeyondDoubles",
       R"({"schema": 1, "columns": [{"axial_load_kg": -1e400}]})",
       {kFile + ": ตัวเลขที่บรรทัด 1 ตัวอักษรที่ 50 ใหญ่เกินกว่าที่โปรแกรมอ่านได้"}},
      {"KeyWrittenTwiceInAColumn",
       R"({"schema": 1, "columns": [{"mark": "C1"}, {"mark": "C2", "axial_load_kg": 8000,
           "axial_load_kg": 80000}]})",
       {kFile + " แถว 2 ช่อง axial_load_kg: ชื่อช่องนี้เขียนซ้ำ (duplicate key) ไม่รู้ว่าค่าใดถูก "
                "โปรดแก้ไฟล์ให้เหลือค่าเดียว"}},
      {"KeyWrittenTwiceInTheHeader",
       R"({"header": {"project": "ก", "project": "ข"}, "schema": 1})",
       {kFile + " ช่อง header.project: ชื่อช่องนี้เขียนซ้ำ (duplicate key) ไม่รู้ว่าค่าใดถูก "
                "โปรดแก้ไฟล์ให้เหลือค่าเดียว"}},
      {"ImpossiblePipe",
       Document([](Json& d) {
         d["columns"][1]["outside_diameter_mm"] = 10;
         d["columns"][1]["wall_thickness_mm"] = 5;
       }),
       {kColumn2 + "wall_thickness_mm: " + std::string(engine::kImpossiblePipeMessage)}},
      {"EveryBadColumnAtOnce",
       Document([](Json& d) {
         d["columns"][0]["height_m"] = 0.5;
         d["columns"][0]["k_factor"] = 3;
         d["columns"][1]["outside_diameter_mm"] = nullptr;
       }),
       {kFile +
            " คอลัมน์ C1 (แถว 1) ช่อง height_m: " + Prompt(Input::Height, &ValuePrompt::messageBelow),
        kFile +
            " คอลัมน์ C1 (แถว 1) ช่อง k_factor: " + Prompt(Input::KFactor, &ValuePrompt::messageAbove),
        kColumn2 + "outside_diameter_mm: ต้องเป็นตัวเลข"}},
  };
}

class BadProjectFileTest : public testing::TestWithParam<BadFile> {};

TEST_P(BadProjectFileTest, NamesWhatIsWrongAndLoadsNothing) {
  const project::ProjectLoad read = ReadProjectFile(GetParam().bytes, "C1.pipecolumn");
  ASSERT_TRUE(std::holds_alternative<project::LoadErrors>(read));
  EXPECT_EQ(std::get<project::LoadErrors>(read).messages, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(Files, BadProjectFileTest, testing::ValuesIn(BadFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
