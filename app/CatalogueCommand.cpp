// SPDX-License-Identifier: GPL-3.0-or-later
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

} // namespace

Command AddCatalogueCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand(
      "catalogue",
      "Lists the standard pipes.\nEach with its nominal size, D, T, unit mass, and the "
      "section area A and radius of\ngyration r as the check computes them.");
  auto json = std::make_shared<bool>(false);
  command->add_flag("--json", *json, "print one JSON object instead of text")
      ->disable_flag_override();
  command->footer("The unit mass is printed to 3 significant figures; the JSON gives it "
                  "unrounded.\nExit status: 0, or 2 for a usage error.\n");
  return {command, [json](std::ostream& out, std::ostream&, const FileWriters&) {
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
