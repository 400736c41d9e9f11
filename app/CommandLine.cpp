#include "app/CommandLine.h"

#include "engine/CapacityCalculation.h"
#include "engine/Failure.h"
#include "engine/FormState.h"
#include "engine/HandlerGuard.h"
#include "engine/RecordingHost.h"
#include "engine/Version.h"
#include "input/ValuePrompt.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>

namespace app {

namespace {

using engine::Caption;
using engine::Field;

constexpr const char* kUsage =
    R"(Usage: pipecolumn-cli [OPTION]...
Checks a round steel pipe as an axially loaded column and sizes its square base plate.
Each input option answers its prompt as a user would (range-checked, with the prompt's messages);
inputs not given keep their initial values (D 114.3 mm, T 3.2 mm, H 4 m, K 0.85, P 8000 kg).

  --diameter TEXT    outside diameter D in mm (10 to 2000)
  --thickness TEXT   wall thickness T in mm (1 to 50)
  --height TEXT      column height H in m (1 to 10)
  --k-factor TEXT    effective length factor K (0.6 to 2)
  --load TEXT        axial load P in kg (100 to 900000)
  --json             print one JSON object instead of text
  --sheet FILE.pdf   write the calculation sheet to FILE.pdf
  --project TEXT     sheet header: project
  --engineer TEXT    sheet header: engineer
  --column TEXT      sheet header: column mark
  --help             show this help and exit
  --version          show the version and exit

Exit status: 0 the column carries the load, 1 it does not, 2 usage error or failed calculation.
Example: pipecolumn-cli --diameter 168.3 --thickness 4.5 --load 12000
)";

struct InputOption {
  const char* name;
  Caption label;
};

// Applied in this order, whatever the order on the command line.
constexpr InputOption kInputOptions[] = {
    {"--diameter", Caption::Label1}, {"--thickness", Caption::Label2},
    {"--height", Caption::Label3},   {"--k-factor", Caption::Label4},
    {"--load", Caption::Label14},
};

constexpr std::pair<const char*, Field> kHeaderOptions[] = {
    {"--project", Field::Text15}, {"--engineer", Field::Text16}, {"--column", Field::Text17}};

struct Options {
  std::map<std::string, std::string> values;
  bool json = false;
  bool help = false;
  bool version = false;
};

bool TakesValue(const std::string& name) {
  for (const InputOption& option : kInputOptions) {
    if (name == option.name) {
      return true;
    }
  }
  for (const auto& [option, field] : kHeaderOptions) {
    if (name == option) {
      return true;
    }
  }
  return name == "--sheet";
}

// Parses "--name VALUE" and "--name=VALUE"; a value may start with a minus sign.
std::optional<Options> Parse(const std::vector<std::string>& arguments, std::string& error) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const std::size_t equals = name.find('=');
        name.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    if (name == "--json" || name == "--help" || name == "--version") {
      if (value) {
        error = "option " + name + " takes no value";
        return std::nullopt;
      }
      (name == "--json" ? options.json : name == "--help" ? options.help : options.version) = true;
      continue;
    }
    if (!TakesValue(name)) {
      error = "unknown option: " + arguments[i];
      return std::nullopt;
    }
    if (!value) {
      if (i + 1 >= arguments.size()) {
        error = "option " + name + " needs a value";
        return std::nullopt;
      }
      value = arguments[++i];
    }
    options.values[name] = *value;
  }
  return options;
}

nlohmann::json QuantityJson(const engine::QuantityValue& value) {
  if (const auto* number = std::get_if<engine::OptionalDouble>(&value)) {
    return *number ? nlohmann::json(**number) : nlohmann::json(nullptr);
  }
  if (const auto* fixed = std::get_if<engine::Fixed4>(&value)) {
    // Values below 10^11 have at most 15 digits, so the shortest double form is the exact decimal.
    return fixed->toDouble();
  }
  return std::get<std::int32_t>(value);
}

std::string QuantityText(const engine::QuantityValue& value) {
  if (const auto* number = std::get_if<engine::OptionalDouble>(&value)) {
    if (!*number) {
      return "(no value)";
    }
    char buffer[400];
    const double magnitude = std::abs(**number);
    // Shortest round-trip digits, in plain notation for the magnitudes the design uses.
    const bool plain = magnitude == 0 || (magnitude >= 1e-5 && magnitude < 1e15);
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, **number,
                      plain ? std::chars_format::fixed : std::chars_format::general);
    return std::string(buffer, result.ptr);
  }
  if (const auto* fixed = std::get_if<engine::Fixed4>(&value)) {
    return fixed->toDecimalString();
  }
  return std::to_string(std::get<std::int32_t>(value));
}

} // namespace

ExitStatus RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const SheetWriter& writeSheet) {
  std::string error;
  const std::optional<Options> options = Parse(arguments, error);
  if (!options) {
    err << "pipecolumn-cli: " << error << "\nTry 'pipecolumn-cli --help'.\n";
    return ExitStatus::Failed;
  }
  if (options->help) {
    out << kUsage;
    return ExitStatus::Carries;
  }
  if (options->version) {
    out << "pipecolumn-cli " << engine::kVersion << "\n";
    return ExitStatus::Carries;
  }

  engine::FormState form;
  engine::RecordingHost host;
  std::optional<std::string> failure;
  const auto guard = [&](const std::function<void()>& handler) {
    try {
      handler();
    } catch (const engine::Failure& caught) {
      failure = caught.name();
      host.ShowMessage(engine::UncaughtFailureMessage(caught), engine::MessageStyle::CriticalOk(),
                       std::nullopt);
    }
  };

  bool anyInput = false;
  for (const InputOption& option : kInputOptions) {
    const auto given = options->values.find(option.name);
    if (given == options->values.end() || failure) {
      continue;
    }
    anyInput = true;
    host.scriptAnswer(given->second);
    guard([&] { input::RunValuePrompt(input::PromptFor(option.label), form, host); });
  }
  if (!anyInput) {
    guard([&] { engine::RunCapacityCalculation(form); });
  }
  for (const auto& [name, field] : kHeaderOptions) {
    if (const auto given = options->values.find(name); given != options->values.end()) {
      form.setText(field, given->second);
    }
  }

  std::optional<std::string> sheetError;
  if (const auto sheet = options->values.find("--sheet");
      sheet != options->values.end() && !failure) {
    try {
      writeSheet(form, sheet->second);
    } catch (const std::exception& caught) {
      sheetError = std::string("cannot write the sheet: ") + caught.what();
    }
  }

  constexpr Caption kShownCaptions[] = {Caption::Label1,  Caption::Label2,  Caption::Label3,
                                        Caption::Label4,  Caption::Label14, Caption::Label555,
                                        Caption::Label556};
  if (options->json) {
    nlohmann::ordered_json document;
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (Field field : engine::kAllFields) {
      fields[std::string(engine::FieldName(field))] = form.text(field);
    }
    nlohmann::ordered_json record = nlohmann::ordered_json::object();
    engine::ForEachQuantity(form.record(), [&](std::string_view name, const auto& value) {
      record[std::string(name)] = QuantityJson(value);
    });
    nlohmann::ordered_json captions = nlohmann::ordered_json::object();
    for (Caption caption : kShownCaptions) {
      captions[std::string(engine::CaptionName(caption))] = form.caption(caption);
    }
    nlohmann::ordered_json messages = nlohmann::ordered_json::array();
    for (const engine::MessageCall& message : host.messages()) {
      messages.push_back(message.prompt);
    }
    document["fields"] = fields;
    document["record"] = record;
    document["captions"] = captions;
    document["print_enabled"] = form.printEnabled();
    document["messages"] = messages;
    document["failure"] = failure ? nlohmann::ordered_json(*failure) : nullptr;
    out << document.dump(2) << "\n";
  } else {
    for (const engine::MessageCall& message : host.messages()) {
      err << message.prompt << "\n";
    }
    for (Caption caption : kShownCaptions) {
      out << form.caption(caption) << "\n";
    }
    engine::ForEachQuantity(form.record(), [&](std::string_view name, const auto& value) {
      out << name << " = " << QuantityText(value) << "\n";
    });
  }
  if (sheetError) {
    err << "pipecolumn-cli: " << *sheetError << "\n";
  }

  if (failure || sheetError) {
    return ExitStatus::Failed;
  }
  return form.printEnabled() ? ExitStatus::Carries : ExitStatus::DoesNotCarry;
}

} // namespace app
