// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/CheckCommand.h"
#include "engine/Version.h"

#include <algorithm>
#include <sstream>

namespace app {

namespace {

std::string Description() {
  return "Checks a round steel pipe as an axially loaded column and sizes its square base plate.\n"
         "Each input option answers its prompt as a user would. An answer the prompt rejects\n"
         "prints the prompt's message and gives no result. Inputs not given keep their initial\n"
         "values: " +
         InitialValues(form::kAllInputs) + ".";
}

constexpr const char* kFooter =
    "Exit status: 0 the column carries the load, 1 it does not, 2 usage error, rejected input\n"
    "or failed calculation.\n"
    "Example: pipecolumn-cli --diameter 168.3 --thickness 4.5 --load 12000\n"
    "'pipecolumn-cli COMMAND --help' describes a command.\n";

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

// The help in this program's own layout: usage, description, one line per argument in the order
// they were added and --help last, the commands with the first line of their description, then
// the footer.
class HelpFormatter final : public CLI::Formatter {
public:
  HelpFormatter() { column_width(21); }

  // The option's own help says which options go together; CLI11's notes would break its line.
  std::string make_option_opts(const CLI::Option* option) const override {
    std::string opts = CLI::Formatter::make_option_opts(option);
    return opts.substr(0, std::min(opts.find(" Needs:"), opts.find(" Excludes:")));
  }

  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override {
    std::ostringstream help;
    help << "Usage: " << name << " [OPTION]...";
    for (const CLI::Option* positional :
         app->get_options([](const CLI::Option* each) { return each->get_positional(); })) {
      help << " " << positional->get_type_name();
    }
    if (!app->get_subcommands({}).empty()) {
      help << "\n   or: " << name << " COMMAND [OPTION]...";
    }
    help << "\n" << app->get_description() << "\n\n";
    const CLI::Option* helpOption = app->get_help_ptr();
    for (const CLI::Option* option :
         app->get_options([&](const CLI::Option* each) { return each != helpOption; })) {
      help << make_option(option, option->get_positional());
    }
    help << make_option(helpOption, false);
    help << make_subcommands(app, mode) << "\n" << app->get_footer();
    return help.str();
  }

  // A file named on the command line reads as its kind: "OUT.svg|OUT.png|OUT.pdf".
  std::string make_option(const CLI::Option* option, bool isPositional) const override {
    if (!isPositional) {
      return CLI::Formatter::make_option(option, false);
    }
    std::ostringstream line;
    CLI::detail::format_help(line, option->get_type_name(), option->get_description(),
                             column_width_);
    return line.str();
  }

  std::string make_subcommand(const CLI::App* command) const override {
    std::ostringstream line;
    CLI::detail::format_help(line, command->get_name(), FirstLine(command->get_description()),
                             column_width_);
    return line.str();
  }
};

// The arguments nothing took, in the order given; CLI11's own text lists them last first.
std::string ExtrasText(const std::vector<std::string>& extras) {
  std::string text = extras.size() > 1 ? "The following arguments were not expected:"
                                       : "The following argument was not expected:";
  for (const std::string& extra : extras) {
    text += " " + extra;
  }
  return text;
}

// The option given more than once, in the program or its command, if any.
const CLI::Option* RepeatedOption(const CLI::App& program) {
  std::vector<const CLI::App*> apps = {&program};
  for (const CLI::App* command : program.get_subcommands({})) {
    apps.push_back(command);
  }
  for (const CLI::App* app : apps) {
    for (const CLI::Option* option : app->get_options()) {
      if (option->count() > 1) {
        return option;
      }
    }
  }
  return nullptr;
}

// Only one of the values of an option given twice could count.
std::string RepeatedOptionText(const CLI::Option& option) {
  return option.get_name() + ": ระบุซ้ำ " + std::to_string(option.count()) +
         " ครั้ง ระบุได้ครั้งเดียว (option given more than once)";
}

// The check's options belong to the program itself; a command takes only its own.
std::optional<std::string> CheckOptionBeforeCommand(const CLI::App& program) {
  for (const CLI::Option* option : program.get_options()) {
    if (option->count() > 0) {
      return option->get_name();
    }
  }
  return std::nullopt;
}

} // namespace

ExitStatus RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const FileWriters& writers) {
  CLI::App program(Description(), kProgram);
  program.formatter(std::make_shared<HelpFormatter>());
  program.footer(kFooter);
  // Set before the commands are added, which take them over.
  program.set_help_flag("-h,--help", "show this help and exit");
  program.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  const Command check = AddCheck(program);
  const Command commands[] = {AddCatalogueCommand(program), AddDesignCommand(program),
                              AddChartCommand(program), AddScheduleCommand(program),
                              AddVerifyCommand(program)};
  for (const Command& command : commands) {
    command.options->group("Commands");
  }
  program.require_subcommand(0, 1);
  bool version = false;
  program.add_flag("--version", version, "show the version and exit")->disable_flag_override();

  const auto usageError = [&](const std::string& what, const std::string& helpFor) {
    err << kProgram << ": " << what << "\nTry '" << helpFor << " --help'.\n";
    return ExitStatus::Failed;
  };
  try {
    program.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
  } catch (const CLI::CallForHelp&) {
    out << program.help();
    return ExitStatus::Succeeded;
  } catch (const CLI::ParseError& error) {
    const std::vector<CLI::App*> named = program.get_subcommands();
    const std::string helpFor = named.empty()
                                    ? std::string(kProgram)
                                    : std::string(kProgram) + " " + named.front()->get_name();
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
      return usageError(ExtrasText(program.remaining(true)), helpFor);
    }
    if (const CLI::Option* repeated = RepeatedOption(program);
        repeated != nullptr && dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
      return usageError(RepeatedOptionText(*repeated), helpFor);
    }
    return usageError(error.what(), helpFor);
  }
  for (const Command& command : commands) {
    if (command.options->parsed()) {
      if (const std::optional<std::string> option = CheckOptionBeforeCommand(program)) {
        return usageError(*option + " is not an option of " + command.options->get_name() +
                              "; a command's options follow its name",
                          std::string(kProgram) + " " + command.options->get_name());
      }
      return command.run(out, err, writers);
    }
  }
  if (version) {
    out << kProgram << " " << engine::kVersion << "\n";
    return ExitStatus::Succeeded;
  }
  return check.run(out, err, writers);
}

} // namespace app
