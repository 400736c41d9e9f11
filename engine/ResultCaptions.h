#pragma once

namespace engine {

class FormState;

// Rewrites the D, T and H captions from their field texts, the verdict, the base plate caption and
// the print command's enabled state. Reads the three field texts strictly first: a text that is
// not a number fails with TypeMismatch before any caption changes.
void ShowResultCaptions(FormState& form);

} // namespace engine
