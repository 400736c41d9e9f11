#include "app/CommandLine.h"

#include "engine/ColumnCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"
#include "engine/Version.h"
#include "form/FormState.h"
#include "form/HandlerGuard.h"
#include "form/RecordingHost.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <type_traits>
#include <variant>

namespace app {

namespace {

using form::Caption;
using form::HeaderField;
using form::Input;
using Json = nlohmann::ordered_json;

constexpr const char* kProgram = "pipecolumn-cli";

// What the command line says about one design input; the prompt knows its range.
struct InputOption {
  const char* name;
  Input input;
  const char* what;
  const char* symbol;
  const char* unit; // empty for a plain number
  const char* jsonKey;
};

// Asked in this order, whatever the order on the command line: the diameter before the thickness,
// so that a thickness is judged against the diameter given with it.
constexpr InputOption kInputOptions[] = {
    {"--diameter", Input::OutsideDiameter, "outside diameter", "D", "mm", "outside_diameter_mm"},
    {"--thickness", Input::WallThickness, "wall thickness", "T", "mm", "wall_thickness_mm"},
    {"--height", Input::Height, "column height", "H", "m", "height_m"},
    {"--k-factor", Input::KFactor, "effective length factor", "K", "", "k_factor"},
    {"--load", Input::AxialLoad, "axial load", "P", "kg", "axial_load_kg"},
};

struct HeaderOption {
  const char* name;
  HeaderField field;
  const char* what;
};

constexpr HeaderOption kHeaderOptions[] = {{"--project", HeaderField::Project, "project"},
                                           {"--engineer", HeaderField::Engineer, "engineer"},
                                           {"--column", HeaderField::ColumnMark, "column mark"}};

template <typename Enum> std::size_t IndexOf(Enum value) {
  return static_cast<std::size_t>(value);
}

// What the command line asks of a check.
struct CheckRequest {
  std::array<std::optional<std::string>, form::kAllInputs.size()> answers;
  std::array<std::optional<std::string>, form::kAllHeaderFields.size()> header;
  std::optional<std::string> sheetPath;
  bool json = false;
};

// The check as it ran: the form after the accepted answers, the messages shown, the inputs whose
// answers were rejected and the failure that ended the calculation, if any.
struct CheckRun {
  form::FormState form;
  std::vector<std::string> messages;
  std::array<bool, form::kAllInputs.size()> rejected{};
  std::optional<std::string> failure;

  bool anyRejected() const { return std::ranges::find(rejected, true) != rejected.end(); }
  // Whether the column asked for carries its load; unknown when an answer was rejected or the
  // calculation failed, since the record then does not describe that column.
  std::optional<bool> carries() const {
    if (anyRejected() || failure) {
      return std::nullopt;
    }
    return engine::Carries(form.record());
  }
};

std::string OptionHelp(const InputOption& option) {
  const form::ValuePrompt& prompt = form::PromptFor(option.input);
  std::string help = std::string(option.what) + " " + option.symbol;
  if (*option.unit != '\0') {
    help += std::string(" in ") + option.unit;
  }
  return help + " (" + engine::PlainText(prompt.lowerBound) + " to " +
         engine::PlainText(prompt.upperBound) + ")";
}

std::string Description() {
  const engine::ColumnInputs initial;
  std::string initialValues;
  for (const InputOption& option : kInputOptions) {
    initialValues += std::string(initialValues.empty() ? "" : ", ") + option.symbol + " " +
                     engine::PlainText(form::ValueOf(initial, option.input)) +
                     (*option.unit != '\0' ? std::string(" ") + option.unit : "");
  }
  return "Checks a round steel pipe as an axially loaded column and sizes its square base plate.\n"
         "Each input option answers its prompt as a user would. An answer the prompt rejects\n"
         "prints the prompt's message and gives no result. Inputs not given keep their initial\n"
         "values: " +
         initialValues + ".";
}

constexpr const char* kFooter =
    "Exit status: 0 the column carries the load, 1 it does not, 2 usage error, rejected input\n"
    "or failed calculation.\n"
    "Example: pipecolumn-cli --diameter 168.3 --thickness 4.5 --load 12000\n";

// The help in this program's own layout: usage, description, one line per option in the order
// they were added, any commands, then the footer.
class HelpFormatter final : public CLI::Formatter {
public:
  HelpFormatter() { column_width(21); }

  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override {
    std::ostringstream help;
    help << "Usage: " << name << " [OPTION]...\n" << app->get_description() << "\n\n";
    for (const CLI::Option* option :
         app->get_options([](const CLI::Option* each) { return each->nonpositional(); })) {
      help << make_option(option, false);
    }
    help << make_subcommands(app, mode) << "\n" << app->get_footer();
    return help.str();
  }
};

// The check's options on `app`. Every value is taken as typed, even one that starts with a minus
// sign; the last of a repeated option counts.
void AddCheckOptions(CLI::App& app, CheckRequest& request) {
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  for (const InputOption& option : kInputOptions) {
    app.add_option_function<std::string>(
           option.name,
           [&request, input = option.input](const std::string& answer) {
             request.answers[IndexOf(input)] = answer;
           },
           OptionHelp(option))
        ->type_name("TEXT");
  }
  app.add_flag("--json", request.json, "print one JSON object instead of text")
      ->disable_flag_override();
  app.add_option_function<std::string>(
         "--sheet", [&request](const std::string& path) { request.sheetPath = path; },
         "write the calculation sheet to FILE.pdf")
      ->type_name("FILE.pdf");
  for (const HeaderOption& option : kHeaderOptions) {
    app.add_option_function<std::string>(
           option.name,
           [&request, field = option.field](const std::string& text) {
             request.header[IndexOf(field)] = text;
           },
           std::string("sheet header: ") + option.what)
        ->type_name("TEXT");
  }
}

// Answers the prompts in order. A prompt that shows a message has rejected its answer: the form
// goes back to how it stood before, so no fallback value is judged or reported as given.
CheckRun Check(const CheckRequest& request) {
  CheckRun run;
  form::RecordingHost host;
  const auto guard = [&](const std::function<void()>& handler) {
    try {
      handler();
    } catch (const engine::Failure& caught) {
      run.failure = caught.name();
      host.ShowMessage(form::UncaughtFailureMessage(caught), form::MessageStyle::CriticalOk(),
                       std::nullopt);
    }
  };

  bool anyInput = false;
  for (const InputOption& option : kInputOptions) {
    const std::optional<std::string>& answer = request.answers[IndexOf(option.input)];
    if (!answer || run.failure) {
      continue;
    }
    anyInput = true;
    const std::size_t shownBefore = host.messages().size();
    const form::FormState before = run.form;
    if (answer->empty()) {
      // The prompt takes its fallback silently for an empty answer; from a script it is a lost
      // value, not a choice.
      host.ShowMessage(std::string(form::PromptFor(option.input).messageNotANumber),
                       form::MessageStyle::CriticalOk(), std::nullopt);
    } else {
      host.scriptAnswer(*answer);
      guard([&] { form::AskForInput(option.input, run.form, host); });
    }
    if (!run.failure && host.messages().size() > shownBefore) {
      run.form = before;
      run.rejected[IndexOf(option.input)] = true;
    }
  }
  if (!anyInput) {
    guard([&] { form::Recalculate(run.form); });
  }
  for (const HeaderOption& option : kHeaderOptions) {
    if (const auto& text = request.header[IndexOf(option.field)]) {
      run.form.setHeader(option.field, *text);
    }
  }
  for (const form::MessageCall& message : host.messages()) {
    run.messages.push_back(message.prompt);
  }
  return run;
}

Json QuantityJson(const engine::QuantityValue& value) {
  return std::visit(
      [](const auto& quantity) -> Json {
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

Json MaterialsJson(const engine::Materials& materials) {
  return {{"elastic_modulus_mpa", materials.elasticModulusMpa},
          {"yield_stress_mpa", materials.yieldStressMpa},
          {"allowable_bearing_kg_cm2", materials.allowableBearingKgCm2},
          {"allowable_plate_bending_kg_cm2", materials.allowablePlateBendingKgCm2}};
}

// Schema 1: every key is always present; a value the run has not got is null.
Json Document(const CheckRun& run) {
  const form::FormState& form = run.form;
  const std::optional<bool> carries = run.carries();
  Json document;
  document["schema"] = 1;
  Json inputs = Json::object();
  for (const InputOption& option : kInputOptions) {
    inputs[option.jsonKey] =
        run.rejected[IndexOf(option.input)] ? Json(nullptr) : Json(form.input(option.input));
  }
  document["inputs"] = inputs;
  document["materials"] = MaterialsJson(form.inputs().materials);
  Json header = Json::object();
  for (HeaderField field : form::kAllHeaderFields) {
    header[std::string(form::KeyOf(field))] = form.header(field);
  }
  document["header"] = header;
  // After a rejected answer the record belongs to another column than the one asked for.
  Json results = Json::object();
  engine::ForEachResult(form.record(), [&](std::string_view key, const auto& value) {
    results[std::string(key)] = run.anyRejected() ? Json(nullptr) : QuantityJson(value);
  });
  document["results"] = results;
  document["verdict"] = carries ? Json(*carries ? "passes" : "fails") : Json(nullptr);
  Json captions = Json::object();
  for (Caption caption : form::kAllCaptions) {
    captions[std::string(form::KeyOf(caption))] = form.caption(caption);
  }
  for (Caption caption : form::kAssessmentCaptions) {
    captions[std::string(form::KeyOf(caption))] = form.caption(caption);
  }
  document["captions"] = captions;
  document["messages"] = run.messages;
  document["print_enabled"] = carries.has_value() && form.printEnabled();
  document["failure"] = run.failure ? Json(*run.failure) : Json(nullptr);
  return document;
}

void WriteText(const CheckRun& run, std::ostream& out) {
  for (Caption caption : form::kAllCaptions) {
    out << run.form.caption(caption) << "\n";
  }
  // The assessment's captions say nothing when there is nothing to say.
  for (Caption caption : form::kAssessmentCaptions) {
    if (!run.form.caption(caption).empty()) {
      out << run.form.caption(caption) << "\n";
    }
  }
  engine::ForEachResult(run.form.record(), [&](std::string_view key, const auto& value) {
    out << key << " = " << QuantityText(value) << "\n";
  });
}

ExitStatus RunCheck(const CheckRequest& request, std::ostream& out, std::ostream& err,
                    const SheetWriter& writeSheet) {
  const CheckRun run = Check(request);
  for (const std::string& message : run.messages) {
    err << message << "\n";
  }
  const std::optional<bool> carries = run.carries();

  std::optional<std::string> sheetError;
  if (request.sheetPath && carries) {
    try {
      writeSheet(run.form, *request.sheetPath);
    } catch (const std::exception& caught) {
      sheetError = std::string("cannot write the sheet: ") + caught.what();
    }
  }

  if (request.json) {
    out << Document(run).dump(2) << "\n";
  } else if (!run.anyRejected()) {
    WriteText(run, out);
  }
  if (sheetError) {
    err << kProgram << ": " << *sheetError << "\n";
  }

  if (!carries || sheetError) {
    return ExitStatus::Failed;
  }
  return *carries ? ExitStatus::Carries : ExitStatus::DoesNotCarry;
}

} // namespace

ExitStatus RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const SheetWriter& writeSheet) {
  // The check is the command that runs when none is named; further commands become subcommands
  // of `app`, each with its own options.
  CLI::App app(Description(), kProgram);
  app.formatter(std::make_shared<HelpFormatter>());
  app.footer(kFooter);
  CheckRequest request;
  AddCheckOptions(app, request);
  app.set_help_flag("--help", "show this help and exit");
  bool version = false;
  app.add_flag("--version", version, "show the version and exit")->disable_flag_override();

  try {
    app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return ExitStatus::Carries;
  } catch (const CLI::ParseError& error) {
    err << kProgram << ": " << error.what() << "\nTry '" << kProgram << " --help'.\n";
    return ExitStatus::Failed;
  }
  if (version) {
    out << kProgram << " " << engine::kVersion << "\n";
    return ExitStatus::Carries;
  }
  return RunCheck(request, out, err, writeSheet);
}

} // namespace app
