// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The check of a box column on the command line: its inputs taken as typed, judged by the rules
// of each input, and the engine's answer rendered as JSON and text.

#include "app/CheckCommand.h"
#include "engine/BoxColumnAnswer.h"
#include "engine/BoxDesign.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace app {

// The box's sides as the command line gives them; the width is the depth where it is not given.
struct BoxRequest {
  std::optional<std::string> depth;
  std::optional<std::string> width;
};

// The box check as it ran: the inputs taken, the messages for those refused, and the answer.
struct BoxRun {
  engine::BoxColumnInputs inputs;
  std::vector<std::string> messages;
  bool rejected = false;
  engine::BoxColumnAnswer answer;
};

// Takes the typed inputs (the box's sides and wall with H, K, P and the materials of `request`)
// and checks the box when all are accepted; without a depth, the initial box's sides.
BoxRun CheckBox(const CheckRequest& request, const BoxRequest& box);

// The check's JSON for a box column, with the keys the pipe's document has where they mean the
// same; `additions` adds a command's own keys.
Json BoxDocument(const BoxRun& run, const CheckRequest& request);

// A standard box in JSON; its figures unrounded.
Json BoxJson(const engine::StandardBox& box);

// The box's check and its second opinion by their JSON keys; null where there is none.
Json BoxResultsJson(const engine::BoxColumnAnswer& answer);
Json BoxCrossCheckJson(const std::optional<engine::BoxCrossCheck>& crossCheck);

// Shows the messages, prints the check and gives its exit status; a sheet is refused, since the
// sheet of a box column is not printed yet.
ExitStatus ReportBoxCheck(const BoxRun& run, const CheckRequest& request, std::ostream& out,
                          std::ostream& err, const CheckAdditions& additions = {});

// --depth and --width on `command`, excluding --diameter where the command has it.
void AddBoxOptions(CLI::App& command, BoxRequest& box);

} // namespace app
