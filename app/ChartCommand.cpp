// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"

#include "engine/NumberText.h"

namespace app {

namespace {

struct ChartRequest {
  CheckRequest check;
  std::string path;
};

ExitStatus RunChart(const ChartRequest& request, std::ostream& err, const ChartWriter& writeChart) {
  const CheckRun run = Check(request.check);
  for (const std::string& message : run.messages) {
    err << message << "\n";
  }
  const std::optional<bool> carries = run.carries();
  if (!carries) {
    return ExitStatus::Failed;
  }
  try {
    writeChart(run.answer, request.path);
  } catch (const std::exception& caught) {
    err << kProgram << ": cannot write the chart: " << caught.what() << "\n";
    return ExitStatus::Failed;
  }
  return *carries ? ExitStatus::Carries : ExitStatus::DoesNotCarry;
}

} // namespace

Command AddChartCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand(
      "chart", "Draws the allowable stress chart with the column on it.\n"
               "Qac against KL/r for the program's steel, with the column's point labelled, as "
               "SVG, PNG\nor PDF by the file's extension. The point belongs to the pipe, whatever "
               "the load.\nInputs not given keep their initial values: " +
                   InitialValues(form::kAllInputs) + ".");
  auto request = std::make_shared<ChartRequest>();
  command->add_option("OUT", request->path, "the chart's file: .svg, .png or .pdf")
      ->type_name("OUT.svg|OUT.png|OUT.pdf")
      ->required();
  AddInputOptions(*command, request->check, form::kAllInputs);
  AddMaterialOptions(*command, request->check);
  command->footer("Exit status: 0 the chart is written and the column carries the load, 1 it is "
                  "written and\nthe column does not, 2 usage error, rejected input or a chart "
                  "that could not be written.\nExample: pipecolumn-cli chart column.svg --height 6 "
                  "--load 12000\n");
  return {command, [request](std::ostream&, std::ostream& err, const FileWriters& writers) {
            return RunChart(*request, err, writers.chart);
          }};
}

} // namespace app
