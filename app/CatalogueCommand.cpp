// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BoxCheck.h"
#include "app/CheckCommand.h"
#include "app/TextTable.h"

#include "engine/ColumnCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"

namespace app {

namespace {

// The section as the check computes it, for the initial column's other inputs.
engine::DesignRecord SectionOf(const engine::StandardPipe& pipe) {
  engine::ColumnInputs column;
  column.outsideDiameterMm = pipe.outsideDiameterMm;
  column.wallThicknessMm = pipe.wallThicknessMm;
  engine::DesignRecord record;
  try {
    engine::CheckColumn(column, record);
  } catch (const engine::Failure&) {
    // The section's steps come first; a later failing step leaves them filled.
  }
  return record;
}

Json Fixed4Json(const engine::OptionalFixed4& value) {
  return value ? Json(value->toDouble()) : Json(nullptr);
}

// The box table's figures, printed to two places; the JSON gives them unrounded.
constexpr int kBoxFigureDecimals = 2;

std::string Fixed4Text(const engine::OptionalFixed4& value) {
  return value ? value->toDecimalString() : "-";
}

void WriteCatalogueJson(const engine::PipeCatalogue& catalogue, std::ostream& out) {
  Json pipes = Json::array();
  for (const engine::StandardPipe& pipe : catalogue.pipes()) {
    const engine::DesignRecord section = SectionOf(pipe);
    Json row = PipeJson(pipe);
    row["section_area_cm2"] = Fixed4Json(section.sectionArea);
    row["radius_of_gyration_cm"] = Fixed4Json(section.radiusOfGyration);
    pipes.push_back(row);
  }
  out << Json{{"schema", 1}, {"pipes", pipes}}.dump(2) << "\n";
}

void WriteCatalogueText(const engine::PipeCatalogue& catalogue, std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (const engine::StandardPipe& pipe : catalogue.pipes()) {
    const engine::DesignRecord section = SectionOf(pipe);
    const std::string nominal = pipe.nominal();
    rows.push_back({nominal.empty() ? "-" : nominal, engine::PlainText(pipe.outsideDiameterMm),
                    engine::PlainText(pipe.wallThicknessMm),
                    engine::UnitMassText(pipe.unitMassKgPerM()), Fixed4Text(section.sectionArea),
                    Fixed4Text(section.radiusOfGyration)});
  }
  WriteTable(out, {"nominal", "D mm", "T mm", "kg/m", "A cm2", "r cm"}, rows);
}

void WriteBoxCatalogueJson(const engine::BoxCatalogue& catalogue, std::ostream& out) {
  Json boxes = Json::array();
  for (const engine::StandardBox& box : catalogue.boxes()) {
    boxes.push_back(BoxJson(box));
  }
  out << Json{{"schema", 1}, {"boxes", boxes}}.dump(2) << "\n";
}

void WriteBoxCatalogueText(const engine::BoxCatalogue& catalogue, std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (const engine::StandardBox& box : catalogue.boxes()) {
    const engine::BoxProperties& p = box.properties;
    rows.push_back(
        {box.designation, engine::PlainText(box.section.depthMm),
         engine::PlainText(box.section.widthMm), engine::PlainText(box.section.wallThicknessMm),
         engine::UnitMassText(p.unitMassKgPerM), engine::DecimalText(p.areaCm2, kBoxFigureDecimals),
         engine::DecimalText(p.secondMomentMajorCm4, kBoxFigureDecimals),
         engine::DecimalText(p.secondMomentMinorCm4, kBoxFigureDecimals),
         engine::DecimalText(p.radiusOfGyrationMinorCm, kBoxFigureDecimals)});
  }
  WriteTable(out,
             {"designation", "A mm", "B mm", "t mm", "kg/m", "area cm2", "I major cm4",
              "I minor cm4", "r cm"},
             rows);
}

} // namespace

Command AddCatalogueCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand(
      "catalogue",
      "Lists the standard pipes or boxes.\nEach pipe with its nominal size, D, T, unit mass, and "
      "the section area A and radius of\ngyration r as the check computes them; each box with "
      "its designation, A, B, t, unit mass,\narea, second moments and weak-axis r.");
  auto json = std::make_shared<bool>(false);
  auto section = std::make_shared<std::string>("pipe");
  command->add_option("--section", *section, "pipe (the default) or box")
      ->check(CLI::IsMember({"pipe", "box"}))
      ->type_name("SECTION");
  command->add_flag("--json", *json, "print one JSON object instead of text")
      ->disable_flag_override();
  command->footer("The unit mass is printed to 3 significant figures; the JSON gives it "
                  "unrounded.\nExit status: 0, or 2 for a usage error.\n");
  return {command, [json, section](std::ostream& out, std::ostream&, const FileWriters&) {
            if (*section == "box") {
              const engine::BoxCatalogue& boxes = engine::BoxCatalogue::Standard();
              if (*json) {
                WriteBoxCatalogueJson(boxes, out);
              } else {
                WriteBoxCatalogueText(boxes, out);
              }
              return ExitStatus::Succeeded;
            }
            const engine::PipeCatalogue catalogue = engine::PipeCatalogue::Standard();
            if (*json) {
              WriteCatalogueJson(catalogue, out);
            } else {
              WriteCatalogueText(catalogue, out);
            }
            return ExitStatus::Succeeded;
          }};
}

} // namespace app
