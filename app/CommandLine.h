#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace form {
class FormState;
}

namespace app {

// Writes the calculation sheet of `form` to a PDF file; throws on failure.
using SheetWriter = std::function<void(const form::FormState& form, const std::string& path)>;

enum class ExitStatus { Carries = 0, DoesNotCarry = 1, Failed = 2 };

// The headless calculator: each input option answers its value prompt, as a user would, then the
// captions and the results are written to `out` as text or JSON. Every message a prompt or the
// calculation shows goes to `err`, and into the JSON too. An answer a prompt rejects ends the run
// with Failed, no verdict and no sheet.
ExitStatus RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const SheetWriter& writeSheet);

} // namespace app
