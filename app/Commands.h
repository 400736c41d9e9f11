// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator's commands: each adds its options to the program's CLI11 app and says what it
// does once they are parsed.

#include "app/CommandLine.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>

namespace app {

inline constexpr const char* kProgram = "pipecolumn-cli";

// A command's options on its CLI11 app, and what it does once they are parsed.
struct Command {
  CLI::App* options;
  std::function<ExitStatus(std::ostream& out, std::ostream& err, const FileWriters& writers)> run;
};

// The check: the options on the program itself, since it runs when no command is named.
Command AddCheck(CLI::App& program);
Command AddCatalogueCommand(CLI::App& program);
Command AddDesignCommand(CLI::App& program);
Command AddChartCommand(CLI::App& program);
Command AddScheduleCommand(CLI::App& program);
Command AddVerifyCommand(CLI::App& program);

} // namespace app
