#include "app/CommandLine.h"

#include "engine/Failure.h"
#include "engine/NumberText.h"
#include "engine/Version.h"
#include "form/FormState.h"
#include "form/HandlerGuard.h"
#include "form/RecordingHost.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"

#include <nlohmann/json.hpp>

#include <map>
#include <optional>
#include <ostream>
#include <type_traits>
#include <variant>

namespace app {

namespace {

using form::Caption;
using form::HeaderField;
using form::Input;

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
  Input input;
};

// Applied in this order, whatever the order on the command line.
constexpr InputOption kInputOptions[] = {
    {"--diameter", Input::OutsideDiameter},
    {"--thickness", Input::WallThickness},
    {"--height", Input::Height},
    {"--k-factor", Input::KFactor},
    {"--load", Input::AxialLoad},
};

constexpr std::pair<const char*, HeaderField> kHeaderOptions[] = {
    {"--project", HeaderField::Project},
    {"--engineer", HeaderField::Engineer},
    {"--column", HeaderField::ColumnMark}};

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

nlohmann::ordered_json QuantityJson(const engine::QuantityValue& value) {
  return std::visit(
      [](const auto& quantity) -> nlohmann::ordered_json {
        if (!quantity) {
          return nullptr;
        }
        if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, engine::Fixed4>) {
          // Below 10^11 the shortest double form of a four-decimal value is its exact decimal.
          return quantity->toDouble();
        } else {
          return *quantity;
        }
      },
      value);
}

// A number as a person reads it: 107.9, not 107.89999999999999; unset is "(no value)".
std::string QuantityText(const engine::QuantityValue& value) {
  return std::visit(
      [](const auto& quantity) -> std::string {
        if (!quantity) {
          return "(no value)";
        }
        if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, engine::Fixed4>) {
          return quantity->toDecimalString();
        } else if constexpr (std::is_same_v<std::decay_t<decltype(*quantity)>, double>) {
          return engine::PlainText(*quantity);
        } else {
          return std::to_string(*quantity);
        }
      },
      value);
}

nlohmann::ordered_json InputsJson(const engine::ColumnInputs& inputs) {
  return {{"outside_diameter_mm", inputs.outsideDiameterMm},
          {"wall_thickness_mm", inputs.wallThicknessMm},
          {"height_m", inputs.heightM},
          {"k_factor", inputs.kFactor},
          {"axial_load_kg", inputs.axialLoadKg}};
}

nlohmann::ordered_json MaterialsJson(const engine::Materials& materials) {
  return {{"elastic_modulus_mpa", materials.elasticModulusMpa},
          {"yield_stress_mpa", materials.yieldStressMpa},
          {"allowable_bearing_kg_cm2", materials.allowableBearingKgCm2},
          {"allowable_plate_bending_kg_cm2", materials.allowablePlateBendingKgCm2}};
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

  form::FormState form;
  form::RecordingHost host;
  std::optional<std::string> failure;
  const auto guard = [&](const std::function<void()>& handler) {
    try {
      handler();
    } catch (const engine::Failure& caught) {
      failure = caught.name();
      host.ShowMessage(form::UncaughtFailureMessage(caught), form::MessageStyle::CriticalOk(),
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
    guard([&] { form::AskForInput(option.input, form, host); });
  }
  if (!anyInput) {
    guard([&] { form::Recalculate(form); });
  }
  for (const auto& [name, field] : kHeaderOptions) {
    if (const auto given = options->values.find(name); given != options->values.end()) {
      form.setHeader(field, given->second);
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

  if (options->json) {
    nlohmann::ordered_json document;
    document["schema"] = 1;
    document["inputs"] = InputsJson(form.inputs());
    document["materials"] = MaterialsJson(form.inputs().materials);
    nlohmann::ordered_json header = nlohmann::ordered_json::object();
    for (HeaderField field : form::kAllHeaderFields) {
      header[std::string(form::KeyOf(field))] = form.header(field);
    }
    document["header"] = header;
    nlohmann::ordered_json results = nlohmann::ordered_json::object();
    engine::ForEachResult(form.record(), [&](std::string_view key, const auto& value) {
      results[std::string(key)] = QuantityJson(value);
    });
    document["results"] = results;
    document["verdict"] = form.printEnabled() ? "passes" : "fails";
    nlohmann::ordered_json captions = nlohmann::ordered_json::object();
    for (Caption caption : form::kAllCaptions) {
      captions[std::string(form::KeyOf(caption))] = form.caption(caption);
    }
    document["captions"] = captions;
    nlohmann::ordered_json messages = nlohmann::ordered_json::array();
    for (const form::MessageCall& message : host.messages()) {
      messages.push_back(message.prompt);
    }
    document["messages"] = messages;
    document["print_enabled"] = form.printEnabled();
    document["failure"] = failure ? nlohmann::ordered_json(*failure) : nullptr;
    out << document.dump(2) << "\n";
  } else {
    for (const form::MessageCall& message : host.messages()) {
      err << message.prompt << "\n";
    }
    for (Caption caption : form::kAllCaptions) {
      out << form.caption(caption) << "\n";
    }
    engine::ForEachResult(form.record(), [&](std::string_view key, const auto& value) {
      out << key << " = " << QuantityText(value) << "\n";
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
