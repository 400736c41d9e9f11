// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"

#include "app/BoxCheck.h"
#include "engine/CrossCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"
#include "engine/SteelGrade.h"
#include "form/HandlerGuard.h"
#include "form/PrintCommand.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"
#include "project/LoadMessages.h"

#include <algorithm>

namespace app {

namespace {

using form::HeaderField;
using form::Input;

// What the command line says about one design input; the prompt knows its range.
struct InputOption {
  const char* name;
  Input input;
  const char* what;
  const char* symbol;
  const char* unit; // empty for a plain number
};

// Asked in this order, whatever the order on the command line: the diameter before the thickness,
// so that a thickness is judged against the diameter given with it.
constexpr InputOption kInputOptions[] = {
    {"--diameter", Input::OutsideDiameter, "outside diameter", "D", "mm"},
    {"--thickness", Input::WallThickness, "wall thickness", "T", "mm"},
    {"--height", Input::Height, "column height", "H", "m"},
    {"--k-factor", Input::KFactor, "effective length factor", "K", ""},
    {"--load", Input::AxialLoad, "axial load", "P", "kg"},
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

const InputOption& OptionOf(Input input) {
  return *std::ranges::find(kInputOptions, input, &InputOption::input);
}

// "axial load P in kg (100 to 900000)"
std::string InputHelp(const InputOption& option) {
  const engine::InputRule& rule = engine::RuleFor(option.input);
  std::string help = std::string(option.what) + " " + option.symbol;
  if (*option.unit != '\0') {
    help += std::string(" in ") + option.unit;
  }
  return help + " (" + engine::PlainText(rule.lowerBound) + " to " +
         engine::PlainText(rule.upperBound) + ")";
}

// What is wrong with a concrete strength as given, in the words a project file's gets.
std::optional<std::string> ConcreteStrengthProblem(const std::string& text) {
  const std::string what = "กำลังอัดคอนกรีต f′c (concrete strength) " + text + " ";
  const std::optional<double> strength = engine::ReadStrictNumber(text);
  if (!strength) {
    return what + std::string(project::load_messages::kNotANumberType);
  }
  if (!engine::IsAcceptedConcreteStrength(*strength)) {
    return what + project::load_messages::ConcreteStrengthOutOfRange();
  }
  return std::nullopt;
}

// What is wrong with a steel grade as given.
std::string SteelGradeProblem(const std::string& text) {
  if (engine::YieldStressOf(text)) {
    return {};
  }
  return "steel grade " + text + ": not a grade named here nor a yield stress of " +
         engine::PlainText(engine::kLowestYieldStressMpa) + " to " +
         engine::PlainText(engine::kHighestYieldStressMpa) + " MPa";
}

// "method 240, STK400 235, ..."
std::string SteelGradeList() {
  std::string list;
  for (const engine::SteelGrade& grade : engine::SteelGrades()) {
    list += (list.empty() ? "" : ", ") + std::string(grade.name) + " " +
            engine::PlainText(grade.yieldStressMpa);
  }
  return list;
}

} // namespace

engine::Materials MaterialsOf(const CheckRequest& request) {
  engine::Materials materials;
  if (request.concreteStrengthKgCm2) {
    materials.concreteStrengthKgCm2 = *request.concreteStrengthKgCm2;
  }
  if (request.yieldStressMpa) {
    materials.yieldStressMpa = *request.yieldStressMpa;
  }
  return materials;
}

bool CheckRun::anyRejected() const {
  return std::ranges::find(rejected, true) != rejected.end();
}

bool CheckRun::hasValue(Input input) const {
  const bool isPipe = input == Input::OutsideDiameter || input == Input::WallThickness;
  return !rejected[IndexOf(input)] && !(withoutPipe && isPipe);
}

std::optional<bool> CheckRun::carries() const {
  if (answer.verdict == engine::Verdict::NotChecked) {
    return std::nullopt;
  }
  return answer.verdict == engine::Verdict::Passes;
}

std::string InitialValues(std::span<const Input> inputs) {
  const engine::ColumnInputs initial;
  std::string values;
  for (Input input : inputs) {
    const InputOption& option = OptionOf(input);
    values += std::string(values.empty() ? "" : ", ") + option.symbol + " " +
              engine::PlainText(form::ValueOf(initial, input)) +
              (*option.unit != '\0' ? std::string(" ") + option.unit : "");
  }
  return values;
}

// Every value is taken as typed, even one that starts with a minus sign; an option given twice is
// refused, since only one of its values could count.
void AddInputOptions(CLI::App& command, CheckRequest& request, std::span<const Input> inputs) {
  for (const InputOption& option : kInputOptions) {
    if (std::ranges::find(inputs, option.input) == inputs.end()) {
      continue;
    }
    command
        .add_option_function<std::string>(
            option.name,
            [&request, input = option.input](const std::string& answer) {
              request.answers[IndexOf(input)] = answer;
            },
            InputHelp(option))
        ->type_name("TEXT");
  }
}

void AddMaterialOptions(CLI::App& command, CheckRequest& request) {
  command
      .add_option_function<std::string>(
          "--concrete-strength",
          [&request](const std::string& text) {
            request.concreteStrengthKgCm2 = engine::ReadStrictNumber(text);
          },
          "specified concrete strength f'c in kg/cm2 for the second opinion (" +
              engine::PlainText(engine::kLowestConcreteStrengthKgCm2) + " to " +
              engine::PlainText(engine::kHighestConcreteStrengthKgCm2) + ", default " +
              engine::PlainText(engine::Materials{}.concreteStrengthKgCm2) + ")")
      ->type_name("NUMBER")
      ->check(CLI::Validator(
          [](const std::string& text) {
            return ConcreteStrengthProblem(text).value_or(std::string());
          },
          ""));
  command
      .add_option_function<std::string>(
          "--steel-grade",
          [&request](const std::string& text) {
            request.yieldStressMpa = engine::YieldStressOf(text);
          },
          "the steel, by grade or as a yield stress in MPa, for the method's fy and the second "
          "opinion's Fy alike (" +
              SteelGradeList() + "; default method)")
      ->type_name("GRADE")
      ->check(CLI::Validator(SteelGradeProblem, ""));
}

void AddOutputOptions(CLI::App& command, CheckRequest& request) {
  command.add_flag("--json", request.json, "print one JSON object instead of text")
      ->disable_flag_override();
  command
      .add_flag("--cross-check", request.crossCheckPage,
                "follow the sheet with the second opinion's page (AISC 360-22 ASD)")
      ->disable_flag_override();
  command
      .add_option_function<std::string>(
          "--sheet", [&request](const std::string& path) { request.sheetPath = path; },
          "write the calculation sheet to FILE.pdf")
      ->type_name("FILE.pdf");
  for (const HeaderOption& option : kHeaderOptions) {
    command
        .add_option_function<std::string>(
            option.name,
            [&request, field = option.field](const std::string& text) {
              request.header[IndexOf(field)] = text;
            },
            std::string("sheet header: ") + option.what)
        ->type_name("TEXT");
  }
}

CheckRun Check(const CheckRequest& request) {
  CheckRun run;
  const auto guard = [&](const std::function<void()>& step) {
    try {
      step();
    } catch (const engine::Failure& caught) {
      run.failure = caught.name();
      run.messages.push_back(form::UncaughtFailureMessage(caught));
    }
  };

  if (request.concreteStrengthKgCm2 || request.yieldStressMpa) {
    run.form.setMaterials(MaterialsOf(request));
  }
  run.form.setPrintCrossCheck(request.crossCheckPage);
  if (request.pipe) {
    for (const auto& [input, value] :
         {std::pair{Input::OutsideDiameter, request.pipe->outsideDiameterMm},
          std::pair{Input::WallThickness, request.pipe->wallThicknessMm}}) {
      run.form.setInput(input, value);
      run.form.setCaption(form::CaptionOf(input), form::InputCaption(input, value));
    }
  }
  bool anyInput = false;
  for (const InputOption& option : kInputOptions) {
    const std::optional<std::string>& answer = request.answers[IndexOf(option.input)];
    if (!answer || run.failure) {
      continue;
    }
    anyInput = true;
    const form::FormState before = run.form;
    bool refused = false;
    const auto refuse = [&](std::string_view message) {
      run.messages.emplace_back(message);
      refused = true;
    };
    if (answer->empty()) {
      // The prompt takes its fallback silently for an empty answer; from a script it is a lost
      // value, not a choice.
      refuse(engine::RuleFor(option.input).messageNotANumber);
    } else {
      guard([&] { form::AnswerInput(option.input, *answer, run.form, refuse); });
    }
    if (!run.failure && refused) {
      run.form = before;
      run.rejected[IndexOf(option.input)] = true;
    }
  }
  if (!anyInput) {
    guard([&] { form::Recalculate(run.form); });
  }
  if (!run.failure) {
    run.lightest = run.form.lightestStandardPipe();
  }
  // The window's example header is no one's: a sheet from the command line names only what it is
  // given.
  for (const HeaderOption& option : kHeaderOptions) {
    run.form.setHeader(option.field, request.header[IndexOf(option.field)].value_or(""));
  }
  run.answer = run.hasResults() && !run.failure ? run.form.answer()
                                                : engine::AnswerOf(run.form.inputs(), {});
  run.answer.failure = run.failure;
  return run;
}

ExitStatus ReportCheck(const CheckRun& run, const CheckRequest& request, std::ostream& out,
                       std::ostream& err, const SheetWriter& writeSheet,
                       const CheckAdditions& additions) {
  for (const std::string& message : run.messages) {
    err << message << "\n";
  }
  const std::optional<bool> carries = run.carries();

  std::optional<std::string> sheetError;
  if (request.sheetPath && carries) {
    try {
      writeSheet(run.answer, form::SheetHeaderOf(run.form), *request.sheetPath);
    } catch (const std::exception& caught) {
      sheetError = std::string("cannot write the sheet: ") + caught.what();
    }
  }

  if (request.json) {
    Json document = Document(run);
    if (additions.json) {
      additions.json(document);
    }
    out << document.dump(2) << "\n";
  } else if (run.hasResults()) {
    WriteText(run, out);
    if (additions.text) {
      additions.text(out);
    }
  }
  if (sheetError) {
    err << kProgram << ": " << *sheetError << "\n";
  }

  if (!carries || sheetError) {
    return ExitStatus::Failed;
  }
  return *carries ? ExitStatus::Carries : ExitStatus::DoesNotCarry;
}

Command AddCheck(CLI::App& program) {
  auto request = std::make_shared<CheckRequest>();
  auto box = std::make_shared<BoxRequest>();
  AddInputOptions(program, *request, form::kAllInputs);
  AddBoxOptions(program, *box);
  AddMaterialOptions(program, *request);
  AddOutputOptions(program, *request);
  return {&program,
          [request, box](std::ostream& out, std::ostream& err, const FileWriters& writers) {
            if (box->depth) {
              return ReportBoxCheck(CheckBox(*request, *box), *request, out, err);
            }
            return ReportCheck(Check(*request), *request, out, err, writers.sheet);
          }};
}

} // namespace app
