#include "form/ResultCaptions.h"

#include "engine/ColumnCheck.h"
#include "engine/NumberText.h"
#include "form/FormState.h"
#include "form/ValuePrompt.h"

namespace form {

namespace {
std::string Spaced(const engine::OptionalWhole& value) {
  return value ? engine::SpacedText(*value) : std::string();
}
} // namespace

std::string InitialCaption(Caption caption, const engine::ColumnInputs& inputs) {
  switch (caption) {
  case Caption::Verdict:
    return "เสาท่อกลมนี้รับน้ำหนักได้ ?";
  case Caption::BasePlate:
    return "Base Plate ขนาด ?";
  default:
    break;
  }
  const ValuePrompt& row = PromptFor(static_cast<Input>(caption));
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

void Recalculate(FormState& form) {
  engine::CheckColumn(form.inputs(), form.record());
  ShowResultCaptions(form);
}

} // namespace form
