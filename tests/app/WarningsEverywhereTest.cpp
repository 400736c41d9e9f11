// SPDX-License-Identifier: GPL-3.0-or-later
// A column outside the method's limits is said to be so by every output, and a sound one by none.

#include "CliRun.h"

#include "engine/NumberText.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "project/ScheduleRow.h"
#include "report/CalculationSheet.h"
#include "report/ProjectPackage.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using engine::WarningKind;

std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) {
    text += piece + "\n";
  }
  return text;
}

// The warning's first four words: what fits on the first line wherever it is wrapped.
std::string Lead(const engine::Warning& warning) {
  std::size_t end = 0;
  for (int words = 0; words < 4 && end != std::string::npos; ++words) {
    end = warning.text.find(' ', end + 1);
  }
  return warning.text.substr(0, end);
}

std::vector<std::string> Arguments(const engine::ColumnInputs& in) {
  return {"--diameter",
          engine::PlainText(in.outsideDiameterMm),
          "--thickness",
          engine::PlainText(in.wallThicknessMm),
          "--height",
          engine::PlainText(in.heightM),
          "--k-factor",
          engine::PlainText(in.kFactor),
          "--load",
          engine::PlainText(in.axialLoadKg),
          "--concrete-strength",
          engine::PlainText(in.materials.concreteStrengthKgCm2)};
}

class Folder {
public:
  Folder()
      : path_(std::filesystem::temp_directory_path() / ("warnings-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
  std::filesystem::path path_;
};

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// One output of a column as text, and how a warning shows in it.
struct Output {
  const char* name;
  std::function<std::string(const engine::ColumnInputs&, const Folder&)> render;
  std::function<std::vector<std::string>(const engine::Warning&)> signs; // each found for it
};

std::vector<std::string> InText(const engine::Warning& warning) {
  return {Lead(warning)};
}
std::vector<std::string> InJson(const engine::Warning& warning) {
  return {"\"kind\": \"" + std::string(engine::KeyOf(warning.kind)) + "\""};
}

// The schedule of a project file, which carries the column's concrete.
std::string Schedule(const engine::ColumnInputs& in, const Folder& folder,
                     std::vector<std::string> options) {
  const std::string file = folder.file("s.pipecolumn");
  std::ofstream(file) << project::ProjectFileBytes({{}, {{"C1", in}}, in.materials}, "test");
  options.insert(options.begin(), {"schedule", file});
  return clitest::RunCli(options).out;
}

std::vector<std::string> Printed(const std::function<void(report::Printer&)>& print) {
  form::RecordingHost host;
  const std::unique_ptr<report::Printer> printer = host.OpenDefaultPrinter();
  print(*printer);
  return host.printerOperations();
}

const Output kOutputs[] = {
    {"check text", [](const auto& in, const auto&) { return clitest::RunCli(Arguments(in)).out; },
     InText},
    {"check JSON",
     [](const auto& in, const auto&) {
       std::vector<std::string> arguments = Arguments(in);
       arguments.push_back("--json");
       return clitest::RunCli(arguments).out;
     },
     InJson},
    {"schedule text", [](const auto& in, const auto& folder) { return Schedule(in, folder, {}); },
     InText},
    {"schedule JSON",
     [](const auto& in, const auto& folder) { return Schedule(in, folder, {"--json"}); }, InJson},
    {"results CSV",
     [](const auto& in, const auto& folder) {
       Schedule(in, folder, {"--csv", folder.file("r.csv")});
       const std::string csv = Contents(folder.file("r.csv"));
       return csv.substr(csv.find('\n')); // the rows, not the heading
     },
     [](const engine::Warning& warning) {
       return std::vector{std::string(engine::KeyOf(warning.kind))};
     }},
    {"sheet",
     [](const auto& in, const auto&) {
       return Joined(Printed([&](report::Printer& printer) {
         report::PrintCalculationSheet(engine::AnswerColumn(in), {}, {}, printer);
       }));
     },
     InText},
    {"package",
     [](const auto& in, const auto&) {
       const project::Project one{{"อาคาร", "วิศวกร"}, {{"C1", in}}, in.materials};
       return Joined(Printed([&](report::Printer& printer) {
         report::PrintProjectPackage(one, project::CheckProject(one).columns, "2026-12-08", {},
                                     printer);
       }));
     },
     [](const engine::Warning& warning) {
       // The mark on the summary's row, the sentence on the column's sheet.
       return std::vector{std::string(engine::IsSecondOpinion(warning.kind)
                                          ? report::kSecondOpinionMark
                                          : project::kWarningMark),
                          Lead(warning)};
     }},
    {"window strip",
     [](const auto& in, const auto&) {
       form::FormState form;
       form.setMaterials(in.materials);
       for (const engine::Input input : engine::kAllInputs) {
         form.setInput(input, engine::ValueOf(in, input));
       }
       form::Recalculate(form);
       return form.caption(form::Caption::SlendernessWarning) + "\n" +
              form.caption(form::Caption::LocalBucklingWarning) + "\n" +
              form.caption(form::Caption::CrossCheck);
     },
     [](const engine::Warning& warning) {
       // The second opinion's line marks the figure it parts on.
       const std::string fails(form::kCrossCheckFails);
       switch (warning.kind) {
       case WarningKind::CrossCheckColumn:
         return std::vector{") " + fails + " "};
       case WarningKind::CrossCheckPlate:
         return std::vector{" mm " + fails};
       default:
         return InText(warning);
       }
     }},
    {"columns panel",
     [](const auto& in, const auto&) {
       const project::ScheduleRow row =
           project::ScheduleRowOf({"C1", in}, engine::AnswerColumn(in));
       return row.text(project::ScheduleField::Verdict) + "\n" + row.warnings;
     },
     [](const engine::Warning& warning) {
       return std::vector{std::string(project::kWarningMark) + "\n", warning.text};
     }},
};

TEST(WarningsEverywhere, EveryOutputSaysWhatTheAnswerWarnsOfAndNothingForASoundColumn) {
  const struct {
    const char* name;
    engine::ColumnInputs inputs;
    std::vector<WarningKind> kinds;
  } kColumns[] = {
      {"slender",
       {76.3, 2.8, 10, 2, 100, {}},
       {WarningKind::Slenderness, WarningKind::PlateThinnerThanWall}},
      {"thin",
       {1000, 6, 4, 1, 1000, {}},
       {WarningKind::LocalBuckling, WarningKind::PlateThinnerThanWall,
        WarningKind::CrossCheckPlate}},
      {"at the method's capacity",
       {114.3, 3.2, 2, 1, 14190, {}},
       {WarningKind::CrossCheckColumn, WarningKind::CrossCheckPlate}},
      {"on weak concrete",
       {42.7, 1.6, 2, 1, 1200, {.concreteStrengthKgCm2 = 150}},
       {WarningKind::ConcreteBelowMethod}},
      {"sound", {42.7, 1.6, 2, 1, 1200, {}}, {}},
  };
  const Folder folder;
  for (const auto& column : kColumns) {
    const engine::ColumnAnswer answer = engine::AnswerColumn(column.inputs);
    ASSERT_EQ(answer.warnings.size(), column.kinds.size()) << column.name;
    for (const Output& output : kOutputs) {
      SCOPED_TRACE(std::string(column.name) + " in the " + output.name);
      const std::string rendered = output.render(column.inputs, folder);
      for (const engine::Warning& warning : answer.warnings) {
        for (const std::string& sign : output.signs(warning)) {
          EXPECT_NE(rendered.find(sign), std::string::npos) << sign << " in\n" << rendered;
        }
      }
      if (answer.warnings.empty()) {
        for (const std::string absent :
             {std::string("คำเตือน"), std::string("\"kind\""), std::string(project::kWarningMark),
              std::string(",slenderness"), std::string(",local_buckling")}) {
          EXPECT_EQ(rendered.find(absent), std::string::npos) << rendered;
        }
      }
    }
  }
}

} // namespace
