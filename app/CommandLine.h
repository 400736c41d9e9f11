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
// captions and the record are written to `out` as text or JSON. Messages go to `err` (text) or
// into the JSON.
ExitStatus RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const SheetWriter& writeSheet);

} // namespace app
