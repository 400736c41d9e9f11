// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnAnswer.h"

#include "engine/ColumnAssessment.h"
#include "engine/ColumnCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

constexpr int kFewestDecimals = 2;
constexpr double kMethodBearingShare = 0.25; // the method's fc as a share of f'c

} // namespace

std::string ExceedsText(double value, double limit) {
  const int decimals = DecimalsKeepingOrder(value, limit, kFewestDecimals);
  return PlainText(RoundedTo(value, decimals)) + " เกิน " + PlainText(RoundedTo(limit, decimals));
}

Warning LocalBucklingWarning(std::string_view ratioName, double ratio, double limit) {
  return {WarningKind::LocalBuckling, ratio, limit,
          "คำเตือน: " + std::string(ratioName) + " = " + ExceedsText(ratio, limit) +
              " ผนังบางจนอาจเกิด local buckling ซึ่งการคำนวณนี้ไม่ครอบคลุม"};
}

std::optional<Warning> SlendernessWarning(std::int32_t ratio) {
  if (ratio <= kSlendernessLimit) {
    return std::nullopt;
  }
  return Warning{WarningKind::Slenderness, static_cast<double>(ratio),
                 static_cast<double>(kSlendernessLimit),
                 "คำเตือน: KL/r = " + SpacedText(ratio) + " เกิน " +
                     std::to_string(kSlendernessLimit) + " ที่ใช้กันสำหรับเสารับน้ำหนักบรรทุก"};
}

Warning CrossCheckFailsWarning(double utilisation, double allowableLoadKg) {
  return Warning{WarningKind::CrossCheckColumn, utilisation, 1,
                 "คำเตือน: " + std::string(kCrossCheckCode) +
                     " ไม่ผ่าน: P/(Pn/Ωc) = " + ExceedsText(utilisation, 1) + " (รับได้ " +
                     PlainText(RoundedTo(allowableLoadKg, 0)) + " kg)"};
}

std::optional<Warning> PlateWarning(const PlateJudgement& plate) {
  if (plate.passes) {
    return std::nullopt;
  }
  const std::string lead = "คำเตือน: " + std::string(kCrossCheckCode) + " ";
  const std::string bearing = "แรงกด P = " + ExceedsText(plate.loadKg, plate.bearingAllowableKg) +
                              " kg ที่คอนกรีตรับได้ (bearing)";
  if (plate.methodThicknessMm >= plate.requiredThicknessMm) {
    return Warning{WarningKind::CrossCheckPlate, plate.loadKg, plate.bearingAllowableKg,
                   lead + bearing};
  }
  return Warning{WarningKind::CrossCheckPlate, plate.requiredThicknessMm, plate.methodThicknessMm,
                 lead + "ต้องการแผ่นเหล็กหนา " +
                     ExceedsText(plate.requiredThicknessMm, plate.methodThicknessMm) + " mm ที่ใช้" +
                     (plate.bearingHolds ? "" : "; " + bearing)};
}

std::string_view KeyOf(Verdict verdict) {
  switch (verdict) {
  case Verdict::Passes:
    return "passes";
  case Verdict::Fails:
    return "fails";
  case Verdict::NotChecked:
    break;
  }
  return {};
}

std::string_view VerdictWord(Verdict verdict) {
  switch (verdict) {
  case Verdict::Passes:
    return "OK";
  case Verdict::Fails:
    return "NOT OK";
  case Verdict::NotChecked:
    break;
  }
  return "ERROR";
}

std::string WarningKeys(const std::vector<Warning>& warnings, std::string_view separator) {
  std::string keys;
  for (const Warning& warning : warnings) {
    keys += (keys.empty() ? "" : std::string(separator)) + std::string(KeyOf(warning.kind));
  }
  return keys;
}

std::string_view KeyOf(WarningKind kind) {
  switch (kind) {
  case WarningKind::Slenderness:
    return "slenderness";
  case WarningKind::LocalBuckling:
    return "local_buckling";
  case WarningKind::PlateThinnerThanWall:
    return "plate_thinner_than_wall";
  case WarningKind::ConcreteBelowMethod:
    return "concrete_below_method";
  case WarningKind::CrossCheckColumn:
    return "cross_check_column";
  case WarningKind::CrossCheckPlate:
    return "cross_check_plate";
  }
  return {};
}

bool ColumnAnswer::has(WarningKind kind) const {
  return std::ranges::any_of(warnings,
                             [kind](const Warning& warning) { return warning.kind == kind; });
}

std::vector<Warning> WarningsOf(const ColumnInputs& inputs, const DesignRecord& record) {
  std::vector<Warning> warnings;
  if (record.slendernessRatio) {
    if (std::optional<Warning> slender = SlendernessWarning(*record.slendernessRatio)) {
      warnings.push_back(*slender);
    }
  }
  const double ratio = inputs.outsideDiameterMm / inputs.wallThicknessMm;
  const double limit = LocalBucklingLimit(inputs.materials);
  if (ratio > limit) {
    warnings.push_back(LocalBucklingWarning("D/T", ratio, limit));
  }
  if (record.plateThicknessMm) {
    AddPlateAndConcreteWarnings(*record.plateThicknessMm, inputs.wallThicknessMm, "ผนังท่อ T",
                                inputs.materials, warnings);
  }
  return warnings;
}

void AddPlateAndConcreteWarnings(double plateMm, double wallMm, std::string_view wallName,
                                 const Materials& m, std::vector<Warning>& warnings) {
  if (plateMm < wallMm) {
    warnings.push_back({WarningKind::PlateThinnerThanWall, plateMm, wallMm,
                        "คำเตือน: แผ่นเหล็กรองเสาหนา " + PlainText(plateMm) + " mm บางกว่า" +
                            std::string(wallName) + " = " + PlainText(wallMm) +
                            " mm ควรใช้แผ่นที่หนาไม่น้อยกว่า" +
                            std::string(wallName.substr(0, wallName.rfind(' ')))});
  }
  if (m.concreteStrengthKgCm2 < MethodConcreteStrength(m)) {
    warnings.push_back({WarningKind::ConcreteBelowMethod, m.concreteStrengthKgCm2,
                        MethodConcreteStrength(m),
                        "คำเตือน: f'c = " + PlainText(m.concreteStrengthKgCm2) + " ต่ำกว่า " +
                            PlainText(MethodConcreteStrength(m)) +
                            " kg/cm² ที่ fc = " + PlainText(m.allowableBearingKgCm2) +
                            " kg/cm² ของวิธีนี้เป็น 0.25 f'c คอนกรีตอาจรับแรงกดไม่ได้"});
  }
}

namespace {

// Where the method accepts a column the second opinion does not, or does not cover.
std::optional<Warning> CrossCheckColumnWarning(const ColumnAnswer& answer, const CrossCheck& c) {
  if (answer.verdict != Verdict::Passes || c.verdict == CrossCheckVerdict::Passes) {
    return std::nullopt;
  }
  const std::string lead = "คำเตือน: " + std::string(kCrossCheckCode) + " ";
  if (c.verdict == CrossCheckVerdict::NotCovered) {
    const double ratio = answer.inputs.outsideDiameterMm / c.designWallThicknessMm;
    const double limit = CrossCheckUncoveredWallRatio(answer.inputs.materials);
    return Warning{WarningKind::CrossCheckColumn, ratio, limit,
                   lead + "ไม่ครอบคลุมผนังนี้ (not covered): D/t = " +
                       PlainText(RoundedTo(ratio, kFewestDecimals)) +
                       " ไม่น้อยกว่า 0.45 E/Fy = " + PlainText(RoundedTo(limit, kFewestDecimals))};
  }
  return CrossCheckFailsWarning(*c.utilisation, *c.allowableLoadKg);
}

// Where the method's plate is thinner than the second opinion requires, or the bearing fails.
std::optional<Warning> CrossCheckPlateWarning(const ColumnAnswer& answer, const CrossCheck& c) {
  return PlateWarning({c.platePasses, c.bearingHolds, answer.inputs.axialLoadKg,
                       c.bearingAllowableKg, c.plateThicknessRequiredMm,
                       static_cast<double>(*answer.record.plateThicknessMm)});
}

} // namespace

bool IsAboutThePipe(WarningKind kind) {
  return kind == WarningKind::Slenderness || kind == WarningKind::LocalBuckling ||
         kind == WarningKind::CrossCheckColumn;
}

bool IsSecondOpinion(WarningKind kind) {
  return kind == WarningKind::CrossCheckColumn || kind == WarningKind::CrossCheckPlate;
}

double MethodConcreteStrength(const Materials& materials) {
  return materials.allowableBearingKgCm2 / kMethodBearingShare;
}

bool IsSoundPipe(const std::vector<Warning>& warnings) {
  return std::ranges::none_of(warnings,
                              [](const Warning& warning) { return IsAboutThePipe(warning.kind); });
}

ColumnAnswer AnswerOf(const ColumnInputs& inputs, const DesignRecord& record) {
  ColumnAnswer answer;
  answer.inputs = inputs;
  answer.record = record;
  if (!record.plateThicknessMm) {
    return answer;
  }
  answer.verdict = Carries(record) ? Verdict::Passes : Verdict::Fails;
  answer.utilisation = Utilisation(record);
  answer.warnings = WarningsOf(inputs, record);
  try {
    answer.crossCheck = CrossCheckColumn(inputs, record);
  } catch (const Failure&) {
    // A figure of the second opinion beyond the double range: the method's answer stands alone.
    return answer;
  }
  for (const auto& warning : {CrossCheckColumnWarning(answer, *answer.crossCheck),
                              CrossCheckPlateWarning(answer, *answer.crossCheck)}) {
    if (warning) {
      answer.warnings.push_back(*warning);
    }
  }
  return answer;
}

ColumnAnswer AnswerColumn(const ColumnInputs& inputs) {
  DesignRecord record;
  try {
    CheckColumn(inputs, record);
  } catch (const Failure& caught) {
    ColumnAnswer stopped = AnswerOf(inputs, DesignRecord{});
    stopped.record = record;
    stopped.failure = caught.name();
    return stopped;
  }
  return AnswerOf(inputs, record);
}

} // namespace engine
