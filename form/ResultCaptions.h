// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "engine/ColumnInputs.h"
#include "form/FormFields.h"

#include <string>
#include <string_view>

namespace form {

class FormState;

inline constexpr std::string_view kCarriesCaption = "เสาท่อกลมนี้รับน้ำหนักได้ OK";
inline constexpr std::string_view kDoesNotCarryCaption =
    "เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น";

// Appended in the strip where the second opinion does not accept the column or its plate.
inline constexpr std::string_view kCrossCheckFails = "ไม่ผ่าน";

// The strip's line of the second opinion: its allowable load, utilisation and required plate
// thickness, each followed by kCrossCheckFails where it parts from the method; empty without one.
std::string CrossCheckCaption(const engine::ColumnAnswer& answer);

// The text a caption shows before the first calculation: an input's with one blank after "=",
// unlike the results.
std::string InitialCaption(Caption caption, const engine::ColumnInputs& inputs);

// An input's caption for a value: "ความหนาของท่อ T =  3.2 mm.".
std::string InputCaption(Input input, double value);

// Rewrites the D, T and H captions from the inputs, the verdict, the base plate caption and the
// print command's enabled state from the record.
void ShowResultCaptions(FormState& form);

// The utilisation, the two warnings and the lightest standard pipe for the form's record.
void ShowAssessment(FormState& form);

// Checks the form's column into its record, then shows the results and the assessment. A failing
// step throws and leaves the captions as they were.
void Recalculate(FormState& form);

// Takes the suggested standard pipe's D and T as if they had been answered in the prompts.
void ApplySuggestion(FormState& form);

} // namespace form
