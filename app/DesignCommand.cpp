// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BoxCheck.h"
#include "app/CheckCommand.h"
#include "app/TextTable.h"

#include "engine/NumberText.h"

#include <cmath>

namespace app {

namespace {

using form::Input;

constexpr std::array kDesignInputs = {Input::Height, Input::KFactor, Input::AxialLoad};

struct DesignRequest {
  CheckRequest check;
  bool all = false;
  std::string section = "pipe"; // pipe, box or any
};

Json CandidatesJson(const std::optional<std::vector<engine::PipeCandidate>>& candidates) {
  if (!candidates) {
    return nullptr;
  }
  Json list = Json::array();
  for (const engine::PipeCandidate& candidate : *candidates) {
    Json row = PipeJson(candidate.pipe);
    row["utilisation"] = candidate.utilisation;
    row["max_axial_force_kg"] =
        candidate.record.maxAxialForce ? Json(*candidate.record.maxAxialForce) : Json(nullptr);
    row["slenderness_ratio"] = *candidate.record.slendernessRatio;
    row["d_over_t"] = candidate.pipe.outsideDiameterMm / candidate.pipe.wallThicknessMm;
    row["warnings"] = WarningsJson(candidate.warnings);
    list.push_back(row);
  }
  return list;
}

void WriteCandidates(const std::vector<engine::PipeCandidate>& candidates, std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (const engine::PipeCandidate& candidate : candidates) {
    const engine::StandardPipe& pipe = candidate.pipe;
    const std::string nominal = pipe.nominal();
    rows.push_back(
        {nominal.empty() ? "-" : nominal, engine::PlainText(pipe.outsideDiameterMm),
         engine::PlainText(pipe.wallThicknessMm), engine::UnitMassText(pipe.unitMassKgPerM()),
         engine::PercentText(candidate.utilisation),
         candidate.record.maxAxialForce ? std::to_string(*candidate.record.maxAxialForce) : "-",
         std::to_string(*candidate.record.slendernessRatio),
         engine::PlainText(std::round(pipe.outsideDiameterMm / pipe.wallThicknessMm * 10) / 10),
         candidate.warnings.empty() ? "-" : engine::WarningKeys(candidate.warnings, ", ")});
  }
  WriteTable(out,
             {"nominal", "D mm", "T mm", "kg/m", "utilisation %", "max force kg", "KL/r", "D/T",
              "warnings"},
             rows);
}

// The column's height, K and load, and that no standard pipe carries them.
std::string NoPipeText(const form::FormState& form) {
  return "no standard pipe carries P = " + engine::PlainText(form.input(Input::AxialLoad)) +
         " kg with H = " + engine::PlainText(form.input(Input::Height)) +
         " m and K = " + engine::PlainText(form.input(Input::KFactor));
}

Json BoxCandidatesJson(const std::optional<std::vector<engine::BoxCandidate>>& candidates) {
  if (!candidates) {
    return nullptr;
  }
  Json list = Json::array();
  for (const engine::BoxCandidate& candidate : *candidates) {
    Json row = BoxJson(candidate.box);
    row["utilisation"] = candidate.utilisation;
    row["max_axial_force_kg"] = candidate.record.maxAxialForceKg;
    row["slenderness_ratio"] = candidate.record.slendernessRatio;
    row["b_over_t"] = candidate.record.wallSlenderness;
    row["sound"] = candidate.sound;
    list.push_back(row);
  }
  return list;
}

void WriteBoxCandidates(const std::vector<engine::BoxCandidate>& candidates, std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (const engine::BoxCandidate& candidate : candidates) {
    rows.push_back({candidate.box.designation,
                    engine::UnitMassText(candidate.box.properties.unitMassKgPerM),
                    engine::PercentText(candidate.utilisation),
                    std::to_string(candidate.record.maxAxialForceKg),
                    std::to_string(candidate.record.slendernessRatio),
                    engine::PlainText(std::round(candidate.record.wallSlenderness * 10) / 10),
                    candidate.sound ? "yes" : "no"});
  }
  WriteTable(out, {"designation", "kg/m", "utilisation %", "max force kg", "KL/r", "b/t", "sound"},
             rows);
}

// The lightest standard box for the column's H, K and P, checked as if its sides had been typed.
ExitStatus RunBoxDesign(const DesignRequest& request, std::ostream& out, std::ostream& err) {
  BoxRun column = CheckBox(request.check, {});
  if (column.rejected) {
    return ReportBoxCheck(column, request.check, out, err,
                          {[](Json& document) {
                             document["design"] = nullptr;
                             document["candidates"] = nullptr;
                           },
                           {}});
  }
  const engine::BoxCatalogue& catalogue = engine::BoxCatalogue::Standard();
  std::optional<std::vector<engine::BoxCandidate>> candidates;
  if (request.all) {
    candidates = engine::PassingBoxes(catalogue, column.inputs);
  }
  const std::optional<engine::BoxCandidate> lightest =
      engine::LightestPassingBox(catalogue, column.inputs);
  if (!lightest) {
    if (request.check.json) {
      column.rejected = true;
      Json document = BoxDocument(column, request.check);
      document["design"] = nullptr;
      document["candidates"] = BoxCandidatesJson(candidates);
      out << document.dump(2) << "\n";
    } else {
      const engine::BoxColumnInputs& in = column.inputs;
      out << "no standard box carries P = " << engine::PlainText(in.axialLoadKg)
          << " kg with H = " << engine::PlainText(in.heightM)
          << " m and K = " << engine::PlainText(in.kFactor) << "\n";
    }
    return ExitStatus::DoesNotCarry;
  }
  column.inputs.depthMm = lightest->box.section.depthMm;
  column.inputs.widthMm = lightest->box.section.widthMm;
  column.inputs.wallThicknessMm = lightest->box.section.wallThicknessMm;
  column.answer = engine::AnswerBoxColumn(column.inputs);
  const bool onlyWarned = !lightest->sound;
  return ReportBoxCheck(column, request.check, out, err,
                        {[&](Json& document) {
                           document["design"] = BoxJson(lightest->box);
                           document["design"]["only_boxes_with_warnings_carry"] = onlyWarned;
                           document["candidates"] = BoxCandidatesJson(candidates);
                         },
                         [&](std::ostream& text) {
                           text << "design = " << lightest->box.designation << "\n";
                           if (onlyWarned) {
                             text << "only boxes with warnings carry the load: this is the "
                                     "lightest of them\n";
                           }
                           if (candidates) {
                             text << "\n";
                             WriteBoxCandidates(*candidates, text);
                           }
                         }});
}

// Whether the lightest sound box is lighter than the lightest sound pipe, a sound one before one
// with warnings.
bool BoxIsLighter(const DesignRequest& request) {
  const CheckRun pipes = Check(request.check);
  const BoxRun boxes = CheckBox(request.check, {});
  if (boxes.rejected || !pipes.hasResults() || pipes.failure) {
    return false;
  }
  const std::optional<engine::BoxCandidate> box =
      engine::LightestPassingBox(engine::BoxCatalogue::Standard(), boxes.inputs);
  if (!box) {
    return false;
  }
  if (!pipes.lightest) {
    return true;
  }
  const bool pipeSound = engine::IsSoundPipe(pipes.lightest->warnings);
  if (box->sound != pipeSound) {
    return box->sound;
  }
  return box->box.properties.unitMassKgPerM < pipes.lightest->pipe.unitMassKgPerM();
}

ExitStatus RunDesign(const DesignRequest& request, std::ostream& out, std::ostream& err,
                     const SheetWriter& writeSheet) {
  CheckRun column = Check(request.check);
  if (!column.hasResults() || column.failure) {
    return ReportCheck(column, request.check, out, err, writeSheet,
                       {[](Json& document) {
                          document["design"] = nullptr;
                          document["candidates"] = nullptr;
                        },
                        {}});
  }
  std::optional<std::vector<engine::PipeCandidate>> candidates;
  if (request.all) {
    candidates = engine::PassingPipes(column.form.catalogue(), column.form.inputs());
  }

  if (!column.lightest) {
    column.withoutPipe = true;
    column.answer = engine::AnswerOf(column.form.inputs(), {});
    for (const std::string& message : column.messages) {
      err << message << "\n";
    }
    if (request.check.json) {
      Json document = Document(column);
      document["design"] = nullptr;
      document["candidates"] = CandidatesJson(candidates);
      out << document.dump(2) << "\n";
    } else {
      out << NoPipeText(column.form) << "\n";
    }
    return ExitStatus::DoesNotCarry;
  }

  // The pipe found is checked with the column's other inputs as they were given.
  const engine::StandardPipe pipe = column.lightest->pipe;
  const bool onlyWarned = !engine::IsSoundPipe(column.lightest->warnings);
  CheckRequest withPipe = request.check;
  withPipe.pipe = pipe;
  return ReportCheck(Check(withPipe), withPipe, out, err, writeSheet,
                     {[&](Json& document) {
                        document["design"] = PipeJson(pipe);
                        document["design"]["only_pipes_with_warnings_carry"] = onlyWarned;
                        document["candidates"] = CandidatesJson(candidates);
                      },
                      [&](std::ostream& text) {
                        text << "design = " << engine::StandardPipeText(pipe) << "\n";
                        if (onlyWarned) {
                          text << "only pipes with warnings carry the load: this is the "
                                  "lightest of them\n";
                        }
                        if (candidates) {
                          text << "\n";
                          WriteCandidates(*candidates, text);
                        }
                      }});
}

} // namespace

Command AddDesignCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand(
      "design", "Finds the lightest standard pipe that carries the load and checks it.\n"
                "The pipe found is checked as if its D and T had been typed. Inputs not given keep "
                "their\ninitial values: " +
                    InitialValues(kDesignInputs) + ".");
  auto request = std::make_shared<DesignRequest>();
  AddInputOptions(*command, request->check, kDesignInputs);
  command->add_flag("--all", request->all, "also list every standard section that carries the load")
      ->disable_flag_override();
  command
      ->add_option("--section", request->section,
                   "pipe (the default), box, or any: the lightest of both, a section without "
                   "warnings about the member first")
      ->check(CLI::IsMember({"pipe", "box", "any"}))
      ->type_name("SECTION");
  AddMaterialOptions(*command, request->check);
  AddOutputOptions(*command, request->check);
  command->footer("Exit status: 0 a standard pipe carries the load, 1 none does, 2 usage error,\n"
                  "rejected input or a sheet that could not be written.\n"
                  "Example: pipecolumn-cli design --height 6 --load 25000 --all\n");
  return {command, [request](std::ostream& out, std::ostream& err, const FileWriters& writers) {
            if (request->section == "box" ||
                (request->section == "any" && BoxIsLighter(*request))) {
              return RunBoxDesign(*request, out, err);
            }
            return RunDesign(*request, out, err, writers.sheet);
          }};
}

} // namespace app
