// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ResultCaptions.h"

#include "engine/ColumnAnswer.h"
#include "engine/ColumnCheck.h"
#include "engine/CrossCheck.h"
#include "engine/NumberText.h"
#include "engine/PipeCatalogue.h"
#include "form/FormState.h"
#include "form/ValuePrompt.h"
#include "project/ScheduleRow.h"

namespace form {

namespace {
std::string Spaced(const engine::OptionalWhole& value) {
  return value ? engine::SpacedText(*value) : std::string();
}
std::string PipeSize(const engine::StandardPipe& pipe) {
  return engine::PipeSizeText(pipe.outsideDiameterMm, pipe.wallThicknessMm) + " mm. (" +
         engine::UnitMassText(pipe.unitMassKgPerM()) + " kg/m)";
}

} // namespace

std::string CrossCheckCaption(const engine::ColumnAnswer& answer) {
  if (!answer.crossCheck) {
    return {};
  }
  const engine::CrossCheck& c = *answer.crossCheck;
  const auto parts = [&answer](engine::WarningKind kind) {
    return answer.has(kind) ? std::string(" ") + std::string(kCrossCheckFails) : std::string();
  };
  const std::string column = c.allowableLoadKg && c.utilisation
                                 ? "รับได้ " + engine::DecimalText(*c.allowableLoadKg, 0) + " kg (" +
                                       engine::PercentText(*c.utilisation) + " %)"
                                 : std::string("ไม่ครอบคลุม (not covered)");
  return std::string(engine::kCrossCheckCode) + ": " + column +
         parts(engine::WarningKind::CrossCheckColumn) + " แผ่นเหล็กหนาอย่างน้อย " +
         engine::AtLeastText(c.plateThicknessRequiredMm, 1) + " mm" +
         parts(engine::WarningKind::CrossCheckPlate);
}

std::string InitialCaption(Caption caption, const engine::ColumnInputs& inputs) {
  const std::optional<Input> input = InputOf(caption);
  if (caption == Caption::Verdict) {
    return "เสาท่อกลมนี้รับน้ำหนักได้ ?";
  }
  if (caption == Caption::BasePlate) {
    return "Base Plate ขนาด ?";
  }
  if (!input) {
    return {}; // the assessment's captions start empty
  }
  const ValuePrompt& row = PromptFor(*input);
  return std::string(row.captionLead) + engine::PlainText(ValueOf(inputs, row.input)) +
         std::string(row.unit);
}

std::string InputCaption(Input input, double value) {
  const ValuePrompt& row = PromptFor(input);
  return std::string(row.captionLead) + engine::SpacedText(value) + std::string(row.unit);
}

void ShowResultCaptions(FormState& form) {
  for (Input input : {Input::OutsideDiameter, Input::WallThickness, Input::Height}) {
    form.setCaption(CaptionOf(input), InputCaption(input, form.input(input)));
  }
  const engine::DesignRecord& q = form.record();
  const bool carries = engine::Carries(q);
  form.setCaption(Caption::Verdict, std::string(carries ? kCarriesCaption : kDoesNotCarryCaption));
  form.setPrintEnabled(carries);

  form.setCaption(Caption::BasePlate, "Base Plate ขนาด = " + Spaced(q.plateSide) + " cm. x " +
                                          Spaced(q.plateSide) +
                                          " cm. หนา = " + Spaced(q.plateThicknessMm) + " mm.");
}

void ShowAssessment(FormState& form) {
  const engine::ColumnAnswer answer = form.answer();
  form.setCaption(Caption::Utilisation, answer.utilisation
                                            ? "อัตราส่วนการใช้งาน (utilisation) = " +
                                                  engine::PercentText(*answer.utilisation) + " %"
                                            : std::string());
  // Two lines of the strip: slenderness on the first, every other warning on the second.
  std::string slender;
  std::string others;
  for (const engine::Warning& warning : answer.warnings) {
    // The second opinion's sentences are too long for the strip; its own line says where it parts.
    if (warning.kind == engine::WarningKind::CrossCheckColumn ||
        warning.kind == engine::WarningKind::CrossCheckPlate) {
      continue;
    }
    std::string& line = warning.kind == engine::WarningKind::Slenderness ? slender : others;
    line += (line.empty() ? "" : "  ") + warning.text;
  }
  form.setCaption(Caption::SlendernessWarning, slender);
  form.setCaption(Caption::LocalBucklingWarning, others);
  form.setCaption(Caption::CrossCheck, CrossCheckCaption(answer));

  const engine::ColumnInputs& inputs = form.inputs();
  const std::optional<engine::PipeCandidate> lightest = form.lightestStandardPipe();
  const bool isCurrent = lightest && lightest->pipe.outsideDiameterMm == inputs.outsideDiameterMm &&
                         lightest->pipe.wallThicknessMm == inputs.wallThicknessMm;
  form.setSuggestion(lightest && !isCurrent ? std::optional(lightest->pipe) : std::nullopt);
  if (!lightest) {
    form.setCaption(Caption::Suggestion, "ไม่มีท่อมาตรฐานที่รับน้ำหนักนี้ได้");
  } else if (isCurrent) {
    form.setCaption(Caption::Suggestion, {});
  } else if (!engine::IsSoundPipe(lightest->warnings)) {
    form.setCaption(Caption::Suggestion, "มีเพียงท่อที่มีคำเตือนที่รับน้ำหนักนี้ได้ เบาที่สุด " +
                                             PipeSize(lightest->pipe) + " " +
                                             std::string(project::kWarningMark) + " คลิกเพื่อใช้");
  } else {
    form.setCaption(Caption::Suggestion,
                    "ท่อมาตรฐานที่เบาที่สุดที่รับได้ " + PipeSize(lightest->pipe) + " คลิกเพื่อใช้");
  }
}

void Recalculate(FormState& form) {
  engine::CheckColumn(form.inputs(), form.record());
  ShowResultCaptions(form);
  ShowAssessment(form);
}

void ApplySuggestion(FormState& form) {
  if (!form.suggestion()) {
    return;
  }
  const engine::StandardPipe pipe = *form.suggestion();
  for (const auto& [input, value] : {std::pair{Input::OutsideDiameter, pipe.outsideDiameterMm},
                                     std::pair{Input::WallThickness, pipe.wallThicknessMm}}) {
    form.setInput(input, value);
    form.setCaption(CaptionOf(input), InputCaption(input, value));
  }
  Recalculate(form);
}

} // namespace form
