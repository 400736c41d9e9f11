// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BoxCheck.h"

#include "engine/NumberText.h"
#include "project/ColumnFields.h"

namespace app {

namespace {

using engine::Input;

// The box's inputs as the command line names them, each with the figure it sets.
struct BoxInput {
  Input rule;
  double engine::BoxColumnInputs::*value;
};

constexpr BoxInput kBoxInputs[] = {
    {Input::WallThickness, &engine::BoxColumnInputs::wallThicknessMm},
    {Input::Height, &engine::BoxColumnInputs::heightM},
    {Input::KFactor, &engine::BoxColumnInputs::kFactor},
    {Input::AxialLoad, &engine::BoxColumnInputs::axialLoadKg},
};

// The value typed, or the message for one the rule refuses.
std::optional<double> TakeValue(const std::string& text, Input rule,
                                std::vector<std::string>& messages) {
  const std::optional<double> value = engine::ReadStrictNumber(text);
  if (!value) {
    messages.emplace_back(engine::RuleFor(rule).messageNotANumber);
    return std::nullopt;
  }
  if (const auto problem = engine::RangeProblem(rule, *value)) {
    messages.emplace_back(*problem);
    return std::nullopt;
  }
  return value;
}

std::optional<double> TakeSide(const std::string& text, std::vector<std::string>& messages) {
  const std::optional<double> value = engine::ReadStrictNumber(text);
  if (!value || !engine::IsAcceptedBoxSide(*value)) {
    messages.emplace_back(engine::kBoxSideMessage);
    return std::nullopt;
  }
  return value;
}

Json Optional(const std::optional<double>& value) {
  return value ? Json(*value) : Json(nullptr);
}

} // namespace

BoxRun CheckBox(const CheckRequest& request, const BoxRequest& box) {
  BoxRun run;
  run.inputs.materials = MaterialsOf(request);
  const std::optional<double> depth =
      box.depth ? TakeSide(*box.depth, run.messages) : run.inputs.depthMm;
  const std::optional<double> width = box.width ? TakeSide(*box.width, run.messages) : depth;
  run.rejected = !depth || !width;
  if (!run.rejected) {
    run.inputs.depthMm = *depth;
    run.inputs.widthMm = *width;
  }
  for (const BoxInput& input : kBoxInputs) {
    if (const auto& text = request.answers[static_cast<std::size_t>(input.rule)]) {
      const std::optional<double> value = TakeValue(*text, input.rule, run.messages);
      run.rejected = run.rejected || !value;
      if (value) {
        run.inputs.*input.value = *value;
      }
    }
  }
  if (!run.rejected && !engine::IsPossibleBox(run.inputs.section())) {
    run.messages.emplace_back(engine::kImpossibleBoxMessage);
    run.rejected = true;
  }
  if (!run.rejected) {
    run.answer = engine::AnswerBoxColumn(run.inputs);
  }
  run.answer.inputs = run.inputs;
  return run;
}

Json BoxJson(const engine::StandardBox& box) {
  return {{"designation", box.designation},
          {"depth_mm", box.section.depthMm},
          {"width_mm", box.section.widthMm},
          {"wall_thickness_mm", box.section.wallThicknessMm},
          {"unit_mass_kg_m", box.properties.unitMassKgPerM},
          {"section_area_cm2", box.properties.areaCm2},
          {"second_moment_major_cm4", box.properties.secondMomentMajorCm4},
          {"second_moment_minor_cm4", box.properties.secondMomentMinorCm4},
          {"radius_of_gyration_cm", box.properties.radiusOfGyrationMinorCm}};
}

Json BoxResultsJson(const engine::BoxColumnAnswer& answer) {
  Json json = Json::object();
  const auto& q = answer.record;
  const auto figure = [&](const char* key, auto read) {
    json[key] = q ? Json(read(*q)) : Json(nullptr);
  };
  using Record = engine::BoxColumnRecord;
  figure("radius_of_gyration_cm", [](const Record& r) { return r.radiusOfGyrationCm.toDouble(); });
  figure("column_length_cm", [](const Record& r) { return r.columnLengthCm; });
  figure("effective_length_cm", [](const Record& r) { return r.effectiveLengthCm; });
  figure("slenderness_ratio", [](const Record& r) { return r.slendernessRatio; });
  figure("section_area_cm2", [](const Record& r) { return r.sectionAreaCm2.toDouble(); });
  figure("second_moment_major_cm4",
         [](const Record& r) { return r.properties.secondMomentMajorCm4; });
  figure("second_moment_minor_cm4",
         [](const Record& r) { return r.properties.secondMomentMinorCm4; });
  figure("unit_mass_kg_m", [](const Record& r) { return r.properties.unitMassKgPerM; });
  figure("elastic_critical_stress_mpa", [](const Record& r) { return r.elasticCriticalStressMpa; });
  figure("stress_blend_mpa", [](const Record& r) { return r.stressBlendMpa.toDouble(); });
  figure("allowable_stress_mpa", [](const Record& r) { return r.allowableStressMpa; });
  figure("axial_capacity_kg", [](const Record& r) { return r.axialCapacityKg.toDouble(); });
  figure("max_axial_force_kg", [](const Record& r) { return r.maxAxialForceKg; });
  figure("bearing_area_required_cm2", [](const Record& r) { return r.bearingAreaRequiredCm2; });
  figure("plate_side_cm", [](const Record& r) { return r.plateSideCm; });
  figure("plate_overhang_cm", [](const Record& r) { return r.plateOverhangCm; });
  figure("plate_overhang_minor_cm", [](const Record& r) { return r.plateOverhangMinorCm; });
  figure("bearing_pressure_kg_cm2",
         [](const Record& r) { return r.bearingPressureKgCm2.toDouble(); });
  figure("plate_thickness_cm", [](const Record& r) { return r.plateThicknessCm.toDouble(); });
  figure("plate_thickness_mm", [](const Record& r) { return r.plateThicknessMm; });
  figure("wall_slenderness", [](const Record& r) { return r.wallSlenderness; });
  figure("wall_slenderness_limit", [](const Record& r) { return r.wallSlendernessLimit; });
  json["utilisation"] = Optional(answer.utilisation);
  return json;
}

Json BoxCrossCheckJson(const std::optional<engine::BoxCrossCheck>& crossCheck) {
  if (!crossCheck) {
    return nullptr;
  }
  const engine::BoxCrossCheck& c = *crossCheck;
  return {{"code", engine::kCrossCheckCode},
          {"design_wall_thickness_mm", c.designWallThicknessMm},
          {"slenderness_ratio", c.slendernessRatio},
          {"elastic_buckling_stress_mpa", c.elasticBucklingStressMpa},
          {"nominal_stress_mpa", c.nominalStressMpa},
          {"effective_area_cm2", c.effectiveAreaCm2},
          {"allowable_load_kg", c.allowableLoadKg},
          {"utilisation", Optional(c.utilisation)},
          {"verdict", engine::KeyOf(c.verdict)},
          {"concrete_strength_kg_cm2", c.concreteStrengthKgCm2},
          {"bearing_allowable_kg", c.bearingAllowableKg},
          {"plate_cantilever_mm", c.plateCantileverMm},
          {"plate_thickness_cantilever_mm", c.plateThicknessCantileverMm},
          {"plate_thickness_panel_mm", c.plateThicknessPanelMm},
          {"plate_thickness_required_mm", c.plateThicknessRequiredMm},
          {"plate_verdict", c.platePasses ? "passes" : "fails"}};
}

Json BoxDocument(const BoxRun& run, const CheckRequest& request) {
  const engine::BoxColumnAnswer& answer = run.answer;
  const bool checked = answer.verdict != engine::Verdict::NotChecked;
  const engine::BoxSection section = run.inputs.section();
  Json document;
  document["schema"] = 1;
  Json inputs = {{"section", "box"}, {"outside_diameter_mm", nullptr}};
  for (const BoxInput& input : kBoxInputs) {
    inputs[std::string(project::FileKeyOf(input.rule))] =
        run.rejected ? Json(nullptr) : Json(run.inputs.*input.value);
  }
  inputs["depth_mm"] = run.rejected ? Json(nullptr) : Json(section.depthMm);
  inputs["width_mm"] = run.rejected ? Json(nullptr) : Json(section.widthMm);
  document["inputs"] = inputs;
  document["materials"] = MaterialsJson(run.inputs.materials);
  Json header = Json::object();
  for (form::HeaderField field : form::kAllHeaderFields) {
    header[std::string(form::KeyOf(field))] =
        request.header[static_cast<std::size_t>(field)].value_or("");
  }
  document["header"] = header;
  document["results"] = BoxResultsJson(answer);
  document["verdict"] = VerdictJson(answer.verdict);
  document["slenderness_warning"] =
      checked ? Json(answer.has(engine::WarningKind::Slenderness)) : Json(nullptr);
  document["local_buckling_warning"] =
      checked ? Json(answer.has(engine::WarningKind::LocalBuckling)) : Json(nullptr);
  document["warnings"] = checked ? WarningsJson(answer.warnings) : Json(nullptr);
  document["cross_check"] = checked ? BoxCrossCheckJson(answer.crossCheck) : Json(nullptr);
  document["messages"] = run.messages;
  document["failure"] = answer.failure ? Json(*answer.failure) : Json(nullptr);
  return document;
}

ExitStatus ReportBoxCheck(const BoxRun& run, const CheckRequest& request, std::ostream& out,
                          std::ostream& err, const CheckAdditions& additions) {
  for (const std::string& message : run.messages) {
    err << message << "\n";
  }
  const engine::BoxColumnAnswer& answer = run.answer;
  if (request.json) {
    Json document = BoxDocument(run, request);
    if (additions.json) {
      additions.json(document);
    }
    out << document.dump(2) << "\n";
  } else if (!run.rejected) {
    out << "section = " << engine::BoxSizeText(run.inputs.section()) << " mm\n";
    out << "verdict = " << engine::VerdictWord(answer.verdict) << "\n";
    for (const engine::Warning& warning : answer.warnings) {
      out << warning.text << "\n";
    }
    const Json results = BoxResultsJson(answer);
    for (const auto& [key, value] : results.items()) {
      out << key << " = "
          << (value.is_null()        ? std::string("(no value)")
              : key == "utilisation" ? engine::PercentText(value.get<double>()) + " %"
                                     : engine::PlainText(engine::RoundedTo(value.get<double>(), 4)))
          << "\n";
    }
    if (additions.text) {
      additions.text(out);
    }
  }
  if (answer.failure) {
    err << kProgram << ": the check stopped: " << *answer.failure << "\n";
  }
  if (request.sheetPath && !run.rejected) {
    err << kProgram
        << ": cannot write the sheet: the calculation sheet of a box column is not "
           "printed yet\n";
    return ExitStatus::Failed;
  }
  if (run.rejected || answer.verdict == engine::Verdict::NotChecked) {
    return ExitStatus::Failed;
  }
  return answer.verdict == engine::Verdict::Passes ? ExitStatus::Carries : ExitStatus::DoesNotCarry;
}

void AddBoxOptions(CLI::App& command, BoxRequest& box) {
  CLI::Option* depth = command
                           .add_option_function<std::string>(
                               "--depth", [&box](const std::string& text) { box.depth = text; },
                               "a box column: depth A of the section in mm (" +
                                   engine::PlainText(engine::kLowestBoxSideMm) + " to " +
                                   engine::PlainText(engine::kHighestBoxSideMm) + ")")
                           ->type_name("TEXT");
  CLI::Option* width =
      command
          .add_option_function<std::string>(
              "--width", [&box](const std::string& text) { box.width = text; },
              "width B of the box in mm; the depth where not given (not with --diameter)")
          ->type_name("TEXT");
  width->needs(depth);
  if (CLI::Option* diameter = command.get_option_no_throw("--diameter")) {
    depth->excludes(diameter);
    width->excludes(diameter);
  }
}

} // namespace app
