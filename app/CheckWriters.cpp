// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckWriters.h"

#include "app/CheckCommand.h"
#include "engine/NumberText.h"
#include "project/ColumnFields.h"

#include <type_traits>
#include <variant>

namespace app {

namespace {

using engine::WarningKind;
using form::Caption;
using form::HeaderField;
using form::Input;

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

// The places the text gives a figure the check leaves unrounded, as many as its rounded ones have.
constexpr int kTextDecimals = 4;

// A number as a person reads it: 107.9, not 107.89999999999999, and 0.2 where D - 2T leaves
// 0.19999999999999929; unset is "(no value)".
std::string QuantityText(const engine::QuantityValue& value) {
  return std::visit(
      [](const auto& quantity) -> std::string {
        if (!quantity) {
          return "(no value)";
        }
        if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, engine::Fixed4>) {
          return quantity->toDecimalString();
        } else if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, double>) {
          return engine::PlainText(engine::RoundedTo(*quantity, kTextDecimals));
        } else {
          return std::to_string(*quantity);
        }
      },
      value);
}

// The captions that belong to the column asked for: after a design that found no pipe, only
// those of the inputs given; the rest are null.
bool Belongs(const CheckRun& run, Caption caption) {
  if (!run.withoutPipe) {
    return true;
  }
  const std::optional<Input> input = form::InputOf(caption);
  return input && run.hasValue(*input);
}

} // namespace

void WriteText(const CheckRun& run, std::ostream& out) {
  for (Caption caption : form::kAllCaptions) {
    out << run.form.caption(caption) << "\n";
  }
  if (run.answer.utilisation) {
    out << run.form.caption(Caption::Utilisation) << "\n";
  }
  for (const engine::Warning& warning : run.answer.warnings) {
    out << warning.text << "\n";
  }
  engine::ForEachResult(run.form.record(), [&](std::string_view key, const auto& value) {
    out << key << " = " << QuantityText(value) << "\n";
  });
  out << "utilisation = "
      << (run.answer.utilisation ? engine::PercentText(*run.answer.utilisation) + " %"
                                 : std::string("(no value)"))
      << "\n";
  if (run.answer.verdict == engine::Verdict::NotChecked) {
    return;
  }
  // The suggestion's caption ends with a click the command line lacks.
  if (!run.lightest) {
    out << "lightest standard pipe = none carries the load\n";
  } else if (run.form.suggestion()) {
    out << "lightest standard pipe = " << engine::StandardPipeText(*run.form.suggestion())
        << (engine::IsSoundPipe(run.lightest->warnings)
                ? ""
                : " (only pipes with warnings carry the load: " +
                      engine::WarningKeys(run.lightest->warnings, ", ") + ")")
        << "\n";
  }
}

Json Document(const CheckRun& run) {
  const form::FormState& form = run.form;
  const bool checked = run.answer.verdict != engine::Verdict::NotChecked;
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
                                    run.answer.utilisation);
  AddJudgementJson(run.answer, document);
  document["suggestion"] =
      checked && form.suggestion() ? PipeJson(*form.suggestion()) : Json(nullptr);
  Json captions = Json::object();
  for (const auto& list : {std::span<const Caption>(form::kAllCaptions),
                           std::span<const Caption>(form::kAssessmentCaptions)}) {
    for (Caption caption : list) {
      captions[std::string(form::KeyOf(caption))] =
          Belongs(run, caption) ? Json(form.caption(caption)) : Json(nullptr);
    }
  }
  document["captions"] = captions;
  document["messages"] = run.messages;
  document["print_enabled"] = checked && form.printEnabled();
  document["failure"] = run.failure ? Json(*run.failure) : Json(nullptr);
  return document;
}

Json MaterialsJson(const engine::Materials& materials) {
  return {{"elastic_modulus_mpa", materials.elasticModulusMpa},
          {"yield_stress_mpa", materials.yieldStressMpa},
          {"allowable_bearing_kg_cm2", materials.allowableBearingKgCm2},
          {"allowable_plate_bending_kg_cm2", materials.allowablePlateBendingKgCm2},
          {"concrete_strength_kg_cm2", materials.concreteStrengthKgCm2}};
}

Json InputsJson(const engine::ColumnInputs& inputs, const std::function<bool(Input)>& hasValue) {
  Json json = {{"section", "pipe"}};
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

Json VerdictJson(engine::Verdict verdict) {
  return verdict == engine::Verdict::NotChecked ? Json(nullptr)
                                                : Json(std::string(engine::KeyOf(verdict)));
}

Json WarningsJson(const std::vector<engine::Warning>& warnings) {
  Json list = Json::array();
  for (const engine::Warning& warning : warnings) {
    list.push_back({{"kind", std::string(engine::KeyOf(warning.kind))},
                    {"value", warning.value},
                    {"limit", warning.limit},
                    {"text", warning.text}});
  }
  return list;
}

void AddJudgementJson(const engine::ColumnAnswer& answer, Json& json) {
  const bool checked = answer.verdict != engine::Verdict::NotChecked;
  json["verdict"] = VerdictJson(answer.verdict);
  json["slenderness_warning"] =
      checked ? Json(answer.has(WarningKind::Slenderness)) : Json(nullptr);
  json["local_buckling_warning"] =
      checked ? Json(answer.has(WarningKind::LocalBuckling)) : Json(nullptr);
  json["warnings"] = checked ? WarningsJson(answer.warnings) : Json(nullptr);
  json["cross_check"] = checked ? CrossCheckJson(answer.crossCheck) : Json(nullptr);
}

Json CrossCheckJson(const std::optional<engine::CrossCheck>& crossCheck) {
  if (!crossCheck) {
    return nullptr;
  }
  const engine::CrossCheck& c = *crossCheck;
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

Json PipeJson(const engine::StandardPipe& pipe) {
  const std::string nominal = pipe.nominal();
  return {{"nominal", nominal.empty() ? Json(nullptr) : Json(nominal)},
          {"outside_diameter_mm", pipe.outsideDiameterMm},
          {"wall_thickness_mm", pipe.wallThicknessMm},
          {"unit_mass_kg_m", pipe.unitMassKgPerM()}};
}

} // namespace app
