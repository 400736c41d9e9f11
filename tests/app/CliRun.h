// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the calculator in-process with its output captured, for the calculator's tests.

#include "app/CommandLine.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace clitest {

using Json = nlohmann::ordered_json;

struct Outcome {
  app::ExitStatus status;
  std::string out;
  std::string err;
  Json document; // the output read as JSON when it is an object
};

// Writers left empty fail as a file that cannot be written would.
inline Outcome RunCli(const std::vector<std::string>& arguments, app::FileWriters writers = {}) {
  if (!writers.sheet) {
    writers.sheet = [](const engine::ColumnAnswer&, const report::SheetHeader&,
                       const std::string&) { throw std::runtime_error("no sheet in this test"); };
  }
  if (!writers.chart) {
    writers.chart = [](const engine::ColumnAnswer&, const std::string&) {
      throw std::runtime_error("no chart in this test");
    };
  }
  if (!writers.package) {
    writers.package = [](const project::Project&, std::span<const engine::ColumnAnswer>,
                         const std::string&, const std::string&) {
      throw std::runtime_error("no package in this test");
    };
  }
  if (!writers.redraw) {
    writers.redraw = [](const report::PrintRecord&, const project::Project&,
                        std::span<const engine::ColumnAnswer>, const std::string&) {
      throw std::runtime_error("no drawing in this test");
    };
  }
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome{app::RunCommandLine(arguments, out, err, writers), out.str(), err.str(), nullptr};
  if (!outcome.out.empty() && outcome.out.front() == '{') {
    outcome.document = Json::parse(outcome.out);
  }
  return outcome;
}

inline std::vector<std::string> With(std::vector<std::string> arguments, const std::string& more) {
  arguments.push_back(more);
  return arguments;
}

inline std::vector<std::string> KeysOf(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : object.items()) {
    keys.push_back(key);
  }
  return keys;
}

inline std::vector<std::string> LinesOf(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) {
    lines.push_back(line);
  }
  return lines;
}

} // namespace clitest
