// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"

#include "engine/ColumnAssessment.h"
#include "engine/ColumnCheck.h"
#include "engine/CrossCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"
#include "form/HandlerGuard.h"
#include "form/RecordingHost.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"
#include "project/ColumnFields.h"

#include <algorithm>
#include <type_traits>
#include <variant>

namespace app {

namespace {

using form::Caption;
using form::HeaderField;
using form::Input;

// What the command line says about one design input; the prompt knows its range.
struct InputOption {
  const char* name;
  Input input;
  const char* what;
  const char* symbol;
  const char* unit; // empty for a plain number
};

// Asked in this order, whatever the order on the command line: the diameter before the thickness,
// so that a thickness is judged against the diameter given with it.
constexpr InputOption kInputOptions[] = {
    {"--diameter", Input::OutsideDiameter, "outside diameter", "D", "mm"},
    {"--thickness", Input::WallThickness, "wall thickness", "T", "mm"},
    {"--height", Input::Height, "column height", "H", "m"},
    {"--k-factor", Input::KFactor, "effective length factor", "K", ""},
    {"--load", Input::AxialLoad, "axial load", "P", "kg"},
};

struct HeaderOption {
  const char* name;
  HeaderField field;
  const char* what;
};

constexpr HeaderOption kHeaderOptions[] = {{"--project", HeaderField::Project, "project"},
                                           {"--engineer", HeaderField::Engineer, "engineer"},
                                           {"--column", HeaderField::ColumnMark, "column mark"}};

template <typename Enum> std::size_t IndexOf(Enum value) {
  return static_cast<std::size_t>(value);
}

const InputOption& OptionOf(Input input) {
  return *std::ranges::find(kInputOptions, input, &InputOption::input);
}

Json QuantityJson(const engine::QuantityValue& value) {
  return std::visit(
      [](const auto& quantity) -> Json {
        if (!quantity) {
          return nullptr;
        }
        if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, engine::Fixed4>) {
          // Below 10^11 the shortest double form of a four-decimal value is its exact decimal.
          return quantity->toDouble();
        } else {
          return *quantity;
        }
      },
      value);
}

// A number as a person reads it: 107.9, not 107.89999999999999; unset is "(no value)".
std::string QuantityText(const engine::QuantityValue& value) {
  return std::visit(
      [](const auto& quantity) -> std::string {
        if (!quantity) {
          return "(no value)";
        }
        if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, engine::Fixed4>) {
          return quantity->toDecimalString();
        } else if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, double>) {
          return engine::PlainText(*quantity);
        } else {
          return std::to_string(*quantity);
        }
      },
      value);
}

Json MaterialsJson(const engine::Materials& materials) {
  return {{"elastic_modulus_mpa", materials.elasticModulusMpa},
          {"yield_stress_mpa", materials.yieldStressMpa},
          {"allowable_bearing_kg_cm2", materials.allowableBearingKgCm2},
          {"allowable_plate_bending_kg_cm2", materials.allowablePlateBendingKgCm2},
          {"concrete_strength_kg_cm2", materials.concreteStrengthKgCm2}};
}

// "axial load P in kg (100 to 900000)"
std::string InputHelp(const InputOption& option) {
  const form::ValuePrompt& prompt = form::PromptFor(option.input);
  std::string help = std::string(option.what) + " " + option.symbol;
  if (*option.unit != '\0') {
    help += std::string(" in ") + option.unit;
  }
  return help + " (" + engine::PlainText(prompt.lowerBound) + " to " +
         engine::PlainText(prompt.upperBound) + ")";
}

// The utilisation and the warnings, where the record describes the column asked for.
std::optional<engine::ColumnAssessment> Assessment(const CheckRun& run) {
  if (!run.hasResults() || run.failure) {
    return std::nullopt;
  }
  return engine::Assess(run.form.inputs(), run.form.record());
}

// The window's captions, but not the suggestion's: it ends with a click the command line lacks.
void WriteText(const CheckRun& run, std::ostream& out) {
  for (Caption caption : form::kAllCaptions) {
    out << run.form.caption(caption) << "\n";
  }
  // The assessment's captions say nothing when there is nothing to say.
  for (Caption caption : form::kAssessmentCaptions) {
    if (caption != Caption::Suggestion && !run.form.caption(caption).empty()) {
      out << run.form.caption(caption) << "\n";
    }
  }
  engine::ForEachResult(run.form.record(), [&](std::string_view key, const auto& value) {
    out << key << " = " << QuantityText(value) << "\n";
  });
  const std::optional<engine::ColumnAssessment> assessment = Assessment(run);
  out << "utilisation = "
      << (assessment && assessment->utilisation
              ? engine::PercentText(*assessment->utilisation) + " %"
              : std::string("(no value)"))
      << "\n";
  if (!assessment) {
    return;
  }
  if (!run.lightest) {
    out << "lightest standard pipe = none carries the load\n";
  } else if (run.form.suggestion()) {
    out << "lightest standard pipe = " << PipeText(*run.form.suggestion()) << "\n";
  }
}

} // namespace

bool CheckRun::anyRejected() const {
  return std::ranges::find(rejected, true) != rejected.end();
}

bool CheckRun::hasValue(Input input) const {
  const bool isPipe = input == Input::OutsideDiameter || input == Input::WallThickness;
  return !rejected[IndexOf(input)] && !(withoutPipe && isPipe);
}

std::optional<bool> CheckRun::carries() const {
  if (!hasResults() || failure) {
    return std::nullopt;
  }
  return engine::Carries(form.record());
}

std::string InitialValues(std::span<const Input> inputs) {
  const engine::ColumnInputs initial;
  std::string values;
  for (Input input : inputs) {
    const InputOption& option = OptionOf(input);
    values += std::string(values.empty() ? "" : ", ") + option.symbol + " " +
              engine::PlainText(form::ValueOf(initial, input)) +
              (*option.unit != '\0' ? std::string(" ") + option.unit : "");
  }
  return values;
}

// Every value is taken as typed, even one that starts with a minus sign; an option given twice is
// refused, since only one of its values could count.
void AddInputOptions(CLI::App& command, CheckRequest& request, std::span<const Input> inputs) {
  command.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  for (const InputOption& option : kInputOptions) {
    if (std::ranges::find(inputs, option.input) == inputs.end()) {
      continue;
    }
    command
        .add_option_function<std::string>(
            option.name,
            [&request, input = option.input](const std::string& answer) {
              request.answers[IndexOf(input)] = answer;
            },
            InputHelp(option))
        ->type_name("TEXT");
  }
}

void AddMaterialOptions(CLI::App& command, CheckRequest& request) {
  command
      .add_option_function<double>(
          "--concrete-strength",
          [&request](double strength) { request.concreteStrengthKgCm2 = strength; },
          "specified concrete strength f'c in kg/cm2 for the second opinion (" +
              engine::PlainText(engine::kLowestConcreteStrengthKgCm2) + " to " +
              engine::PlainText(engine::kHighestConcreteStrengthKgCm2) + ", default " +
              engine::PlainText(engine::Materials{}.concreteStrengthKgCm2) + ")")
      ->type_name("NUMBER")
      ->check(
          CLI::Range(engine::kLowestConcreteStrengthKgCm2, engine::kHighestConcreteStrengthKgCm2));
}

void AddOutputOptions(CLI::App& command, CheckRequest& request) {
  command.add_flag("--json", request.json, "print one JSON object instead of text")
      ->disable_flag_override();
  command
      .add_flag("--cross-check", request.crossCheckPage,
                "follow the sheet with the second opinion's page (AISC 360-22 ASD)")
      ->disable_flag_override();
  command
      .add_option_function<std::string>(
          "--sheet", [&request](const std::string& path) { request.sheetPath = path; },
          "write the calculation sheet to FILE.pdf")
      ->type_name("FILE.pdf");
  for (const HeaderOption& option : kHeaderOptions) {
    command
        .add_option_function<std::string>(
            option.name,
            [&request, field = option.field](const std::string& text) {
              request.header[IndexOf(field)] = text;
            },
            std::string("sheet header: ") + option.what)
        ->type_name("TEXT");
  }
}

CheckRun Check(const CheckRequest& request) {
  CheckRun run;
  form::RecordingHost host;
  const auto guard = [&](const std::function<void()>& handler) {
    try {
      handler();
    } catch (const engine::Failure& caught) {
      run.failure = caught.name();
      host.ShowMessage(form::UncaughtFailureMessage(caught), form::MessageStyle::CriticalOk(),
                       std::nullopt);
    }
  };

  if (request.concreteStrengthKgCm2) {
    engine::Materials materials = run.form.inputs().materials;
    materials.concreteStrengthKgCm2 = *request.concreteStrengthKgCm2;
    run.form.setMaterials(materials);
  }
  run.form.setPrintCrossCheck(request.crossCheckPage);
  bool anyInput = false;
  for (const InputOption& option : kInputOptions) {
    const std::optional<std::string>& answer = request.answers[IndexOf(option.input)];
    if (!answer || run.failure) {
      continue;
    }
    anyInput = true;
    const std::size_t shownBefore = host.messages().size();
    const form::FormState before = run.form;
    if (answer->empty()) {
      // The prompt takes its fallback silently for an empty answer; from a script it is a lost
      // value, not a choice.
      host.ShowMessage(std::string(form::PromptFor(option.input).messageNotANumber),
                       form::MessageStyle::CriticalOk(), std::nullopt);
    } else {
      host.scriptAnswer(*answer);
      guard([&] { form::AskForInput(option.input, run.form, host); });
    }
    if (!run.failure && host.messages().size() > shownBefore) {
      run.form = before;
      run.rejected[IndexOf(option.input)] = true;
    }
  }
  if (!anyInput) {
    guard([&] { form::Recalculate(run.form); });
  }
  if (!run.failure) {
    run.lightest = run.form.lightestStandardPipe();
  }
  for (const HeaderOption& option : kHeaderOptions) {
    if (const auto& text = request.header[IndexOf(option.field)]) {
      run.form.setHeader(option.field, *text);
    }
  }
  for (const form::MessageCall& message : host.messages()) {
    run.messages.push_back(message.prompt);
  }
  return run;
}

Json Document(const CheckRun& run) {
  const form::FormState& form = run.form;
  const std::optional<bool> carries = run.carries();
  const std::optional<engine::ColumnAssessment> assessment = Assessment(run);
  Json document;
  document["schema"] = 1;
  document["inputs"] = InputsJson(form.inputs(), [&](Input input) { return run.hasValue(input); });
  document["materials"] = MaterialsJson(form.inputs().materials);
  Json header = Json::object();
  for (HeaderField field : form::kAllHeaderFields) {
    header[std::string(form::KeyOf(field))] = form.header(field);
  }
  document["header"] = header;
  // After a rejected answer the record belongs to another column than the one asked for.
  document["results"] = ResultsJson(run.hasResults() ? form.record() : engine::DesignRecord{},
                                    assessment ? assessment->utilisation : std::nullopt);
  document["verdict"] = VerdictJson(carries);
  document["slenderness_warning"] =
      assessment ? Json(assessment->slendernessWarning) : Json(nullptr);
  document["local_buckling_warning"] =
      assessment ? Json(assessment->localBucklingWarning) : Json(nullptr);
  document["cross_check"] =
      assessment ? CrossCheckJson(form.inputs(), form.record()) : Json(nullptr);
  document["suggestion"] =
      assessment && form.suggestion() ? PipeJson(*form.suggestion()) : Json(nullptr);
  Json captions = Json::object();
  for (Caption caption : form::kAllCaptions) {
    captions[std::string(form::KeyOf(caption))] = form.caption(caption);
  }
  for (Caption caption : form::kAssessmentCaptions) {
    captions[std::string(form::KeyOf(caption))] = form.caption(caption);
  }
  document["captions"] = captions;
  document["messages"] = run.messages;
  document["print_enabled"] = carries.has_value() && form.printEnabled();
  document["failure"] = run.failure ? Json(*run.failure) : Json(nullptr);
  return document;
}

Json InputsJson(const engine::ColumnInputs& inputs, const std::function<bool(Input)>& hasValue) {
  Json json = Json::object();
  for (Input input : form::kAllInputs) {
    json[std::string(project::FileKeyOf(input))] =
        !hasValue || hasValue(input) ? Json(form::ValueOf(inputs, input)) : Json(nullptr);
  }
  return json;
}

Json ResultsJson(const engine::DesignRecord& record, std::optional<double> utilisation) {
  Json json = Json::object();
  engine::ForEachResult(record, [&](std::string_view key, const auto& value) {
    json[std::string(key)] = QuantityJson(value);
  });
  json["utilisation"] = utilisation ? Json(*utilisation) : Json(nullptr);
  return json;
}

Json CrossCheckJson(const engine::ColumnInputs& inputs, const engine::DesignRecord& record) {
  if (!record.plateThicknessMm) {
    return nullptr;
  }
  const engine::CrossCheck c = engine::CrossCheckColumn(inputs, record);
  const auto optional = [](const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
  };
  return {{"code", engine::kCrossCheckCode},
          {"design_wall_thickness_mm", c.designWallThicknessMm},
          {"slenderness_ratio", c.slendernessRatio},
          {"elastic_buckling_stress_mpa", c.elasticBucklingStressMpa},
          {"nominal_stress_mpa", c.nominalStressMpa},
          {"effective_area_cm2", optional(c.effectiveAreaCm2)},
          {"allowable_load_kg", optional(c.allowableLoadKg)},
          {"utilisation", optional(c.utilisation)},
          {"verdict", engine::KeyOf(c.verdict)},
          {"concrete_strength_kg_cm2", c.concreteStrengthKgCm2},
          {"bearing_allowable_kg", c.bearingAllowableKg},
          {"plate_cantilever_mm", c.plateCantileverMm},
          {"plate_thickness_cantilever_mm", c.plateThicknessCantileverMm},
          {"plate_thickness_ring_mm", c.plateThicknessRingMm},
          {"plate_thickness_required_mm", c.plateThicknessRequiredMm},
          {"plate_verdict", c.platePasses ? "passes" : "fails"}};
}

Json VerdictJson(std::optional<bool> carries) {
  return carries ? Json(*carries ? "passes" : "fails") : Json(nullptr);
}

std::string PipeText(const engine::StandardPipe& pipe) {
  const std::string nominal = pipe.nominal();
  return (nominal.empty() ? "" : nominal + " ") + engine::PlainText(pipe.outsideDiameterMm) +
         " x " + engine::PlainText(pipe.wallThicknessMm) + " mm (" +
         engine::UnitMassText(pipe.unitMassKgPerM()) + " kg/m)";
}

Json PipeJson(const engine::StandardPipe& pipe) {
  const std::string nominal = pipe.nominal();
  return {{"nominal", nominal.empty() ? Json(nullptr) : Json(nominal)},
          {"outside_diameter_mm", pipe.outsideDiameterMm},
          {"wall_thickness_mm", pipe.wallThicknessMm},
          {"unit_mass_kg_m", pipe.unitMassKgPerM()}};
}

ExitStatus ReportCheck(const CheckRun& run, const CheckRequest& request, std::ostream& out,
                       std::ostream& err, const SheetWriter& writeSheet,
                       const CheckAdditions& additions) {
  for (const std::string& message : run.messages) {
    err << message << "\n";
  }
  const std::optional<bool> carries = run.carries();

  std::optional<std::string> sheetError;
  if (request.sheetPath && carries) {
    try {
      writeSheet(run.form, *request.sheetPath);
    } catch (const std::exception& caught) {
      sheetError = std::string("cannot write the sheet: ") + caught.what();
    }
  }

  if (request.json) {
    Json document = Document(run);
    if (additions.json) {
      additions.json(document);
    }
    out << document.dump(2) << "\n";
  } else if (run.hasResults()) {
    WriteText(run, out);
    if (additions.text) {
      additions.text(out);
    }
  }
  if (sheetError) {
    err << kProgram << ": " << *sheetError << "\n";
  }

  if (!carries || sheetError) {
    return ExitStatus::Failed;
  }
  return *carries ? ExitStatus::Carries : ExitStatus::DoesNotCarry;
}

Command AddCheck(CLI::App& program) {
  auto request = std::make_shared<CheckRequest>();
  AddInputOptions(program, *request, form::kAllInputs);
  AddMaterialOptions(program, *request);
  AddOutputOptions(program, *request);
  return {&program, [request](std::ostream& out, std::ostream& err, const FileWriters& writers) {
            return ReportCheck(Check(*request), *request, out, err, writers.sheet);
          }};
}

} // namespace app
