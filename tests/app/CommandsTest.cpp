// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's commands besides the check: the standard pipe table, the design and the chart.

#include "CliRun.h"

#include "engine/NumberText.h"
#include "engine/PipeCatalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using app::ExitStatus;
using clitest::Json;
using clitest::KeysOf;
using clitest::LinesOf;
using clitest::Outcome;
using clitest::RunCli;
using clitest::With;

TEST(Catalogue, ListsEveryStandardPipeInJsonAndAsATableUnderAHeader) {
  const Outcome json = RunCli({"catalogue", "--json"});
  EXPECT_EQ(json.status, ExitStatus::Succeeded);
  EXPECT_EQ(json.err, "");
  EXPECT_EQ(KeysOf(json.document), (std::vector<std::string>{"schema", "pipes"}));
  const Json& pipes = json.document["pipes"];
  ASSERT_EQ(pipes.size(), 128u);
  EXPECT_EQ(KeysOf(pipes[0]), (std::vector<std::string>{
                                  "nominal", "outside_diameter_mm", "wall_thickness_mm",
                                  "unit_mass_kg_m", "section_area_cm2", "radius_of_gyration_cm"}));

  const Outcome text = RunCli({"catalogue"});
  EXPECT_EQ(text.status, ExitStatus::Succeeded);
  const std::vector<std::string> lines = LinesOf(text.out);
  ASSERT_EQ(lines.size(), 1 + pipes.size());
  EXPECT_EQ(lines[0], "nominal       D mm  T mm   kg/m     A cm2     r cm");
  EXPECT_EQ(lines[1], "15A, 1/2\"     21.7     2  0.972    1.2383   0.7001");
  for (const std::string& line : lines) {
    EXPECT_EQ(line.size(), lines[0].size()) << line; // right-aligned to the header
  }
}

struct CatalogueRow {
  std::size_t index;
  Json nominal;
  double outsideDiameterMm;
  double wallThicknessMm;
  double unitMassKgPerM; // unrounded
  double sectionAreaCm2;
  double radiusOfGyrationCm;
};

class CatalogueRows : public testing::TestWithParam<CatalogueRow> {};

TEST_P(CatalogueRows, GiveTheSectionAsTheCheckComputesIt) {
  const CatalogueRow& row = GetParam();
  const Json pipe = RunCli({"catalogue", "--json"}).document["pipes"][row.index];
  EXPECT_EQ(pipe["nominal"], row.nominal);
  EXPECT_EQ(pipe["outside_diameter_mm"], row.outsideDiameterMm);
  EXPECT_EQ(pipe["wall_thickness_mm"], row.wallThicknessMm);
  EXPECT_DOUBLE_EQ(pipe["unit_mass_kg_m"].get<double>(), row.unitMassKgPerM);
  EXPECT_EQ(pipe["section_area_cm2"], row.sectionAreaCm2);
  EXPECT_EQ(pipe["radius_of_gyration_cm"], row.radiusOfGyrationCm);
}

// Row 21 is the initial column's pipe, whose section the check prints; row 73 has no nominal name.
INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogueRows,
    testing::Values(CatalogueRow{0, "15A, 1/2\"", 21.7, 2.0, 0.971604, 1.2383, 0.7001},
                    CatalogueRow{21, "100A, 4\"", 114.3, 3.2, 8.7671232, 11.1735, 3.9296},
                    CatalogueRow{73, nullptr, 500.0, 9.0, 108.97254, 138.8829, 17.3624},
                    CatalogueRow{127, "1000A, 40\"", 1016.0, 22.0, 539.26488, 687.28, 35.1518}));

struct Design {
  const char* name;
  std::vector<std::string> arguments;
  engine::ColumnInputs column; // the same column for the engine's search
};

void PrintTo(const Design& c, std::ostream* os) {
  *os << c.name;
}

class DesignCases : public testing::TestWithParam<Design> {};

TEST_P(DesignCases, ChecksTheLightestStandardPipeThatCarriesTheLoad) {
  const Design& c = GetParam();
  const engine::PipeCatalogue catalogue = engine::PipeCatalogue::Standard();
  const std::optional<engine::PipeCandidate> lightest =
      engine::LightestPassingPipe(catalogue, c.column);
  ASSERT_TRUE(lightest);
  const engine::StandardPipe& pipe = lightest->pipe;

  const Outcome outcome = RunCli(With(With(c.arguments, "--json"), "--all"));
  EXPECT_EQ(outcome.status, ExitStatus::Carries);
  EXPECT_EQ(outcome.err, "");
  const Json& document = outcome.document;
  EXPECT_EQ(document["verdict"], "passes");
  EXPECT_EQ(document["inputs"]["outside_diameter_mm"], pipe.outsideDiameterMm);
  EXPECT_EQ(document["inputs"]["wall_thickness_mm"], pipe.wallThicknessMm);
  EXPECT_TRUE(document["suggestion"].is_null()) << "the pipe checked is the lightest";
  EXPECT_EQ(document["design"]["outside_diameter_mm"], pipe.outsideDiameterMm);
  EXPECT_EQ(document["design"]["wall_thickness_mm"], pipe.wallThicknessMm);
  EXPECT_DOUBLE_EQ(document["design"]["unit_mass_kg_m"].get<double>(), pipe.unitMassKgPerM());

  // The design is the first sound pipe of the list, lightest first; the warnings about the plate
  // and the concrete do not count against a pipe.
  const Json& candidates = document["candidates"];
  ASSERT_EQ(candidates.size(), engine::PassingPipes(catalogue, c.column).size());
  const auto sound = std::ranges::find_if(candidates, [](const Json& candidate) {
    return std::ranges::none_of(candidate["warnings"], [](const Json& warning) {
      return warning["kind"] == "slenderness" || warning["kind"] == "local_buckling" ||
             warning["kind"] == "cross_check_column";
    });
  });
  ASSERT_NE(sound, candidates.end());
  EXPECT_EQ((*sound)["outside_diameter_mm"], pipe.outsideDiameterMm);
  EXPECT_EQ((*sound)["wall_thickness_mm"], pipe.wallThicknessMm);
  EXPECT_EQ((*sound)["max_axial_force_kg"], document["results"]["max_axial_force_kg"]);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    EXPECT_LE(candidates[i]["utilisation"].get<double>(), 1.0) << i;
    if (i > 0) {
      EXPECT_LE(candidates[i - 1]["unit_mass_kg_m"].get<double>(),
                candidates[i]["unit_mass_kg_m"].get<double>())
          << i;
    }
  }

  // The text is the check of that pipe as if its D and T had been typed, then the design.
  std::vector<std::string> asTyped(c.arguments.begin() + 1, c.arguments.end());
  for (const std::string& argument :
       {std::string("--diameter"), engine::PlainText(pipe.outsideDiameterMm),
        std::string("--thickness"), engine::PlainText(pipe.wallThicknessMm)}) {
    asTyped.push_back(argument);
  }
  const Outcome text = RunCli(c.arguments);
  EXPECT_EQ(text.out, RunCli(asTyped).out + "design = " + pipe.nominal() + " " +
                          engine::PlainText(pipe.outsideDiameterMm) + " x " +
                          engine::PlainText(pipe.wallThicknessMm) + " mm (" +
                          engine::UnitMassText(pipe.unitMassKgPerM()) + " kg/m)\n");
}

engine::ColumnInputs Column(double heightM, double kFactor, double axialLoadKg) {
  engine::ColumnInputs column;
  column.heightM = heightM;
  column.kFactor = kFactor;
  column.axialLoadKg = axialLoadKg;
  return column;
}

INSTANTIATE_TEST_SUITE_P(
    Loads, DesignCases,
    testing::Values(Design{"InitialColumn", {"design"}, Column(4, 0.85, 8000)},
                    Design{"HeavierLoad", {"design", "--load", "20000"}, Column(4, 0.85, 20000)},
                    Design{"TallColumn",
                           {"design", "--height=10", "--k-factor", "2", "--load", "1,000"},
                           Column(10, 2, 1000)},
                    Design{"LargeLoad",
                           {"design", "--load", "500000", "--height", "6"},
                           Column(6, 0.85, 500000)}),
    [](const testing::TestParamInfo<Design>& info) { return std::string(info.param.name); });

TEST(Design, LoadNoStandardPipeCarriesSaysSoInOneLineAndExitsOne) {
  const std::vector<std::string> arguments = {"design", "--height", "10",    "--k-factor",
                                              "2",      "--load",   "900000"};
  const Outcome text = RunCli(arguments);
  EXPECT_EQ(text.status, ExitStatus::DoesNotCarry);
  EXPECT_EQ(text.out, "no standard pipe carries P = 900000 kg with H = 10 m and K = 2\n");
  EXPECT_EQ(text.err, "");

  const Outcome json = RunCli(With(With(arguments, "--json"), "--all"));
  EXPECT_EQ(json.status, ExitStatus::DoesNotCarry);
  const Json& document = json.document;
  EXPECT_TRUE(document["design"].is_null());
  EXPECT_EQ(document["candidates"], Json::array());
  EXPECT_TRUE(document["verdict"].is_null());
  EXPECT_TRUE(document["inputs"]["outside_diameter_mm"].is_null());
  EXPECT_EQ(document["inputs"]["axial_load_kg"], 900000);
  EXPECT_TRUE(document["results"]["axial_capacity_kg"].is_null());
  EXPECT_EQ(document["print_enabled"], false);
  // Nothing of the initial pipe's check: only the captions of the inputs given remain.
  for (const auto& [key, caption] : document["captions"].items()) {
    const bool given = key == "height" || key == "k_factor" || key == "axial_load";
    EXPECT_EQ(caption.is_null(), !given) << key;
  }
  EXPECT_TRUE(document["warnings"].is_null());
}

TEST(Design, RejectedAnswerEndsTheRunWithoutADesign) {
  const Outcome outcome = RunCli({"design", "--load", "50", "--json", "--all"});
  EXPECT_EQ(outcome.status, ExitStatus::Failed);
  EXPECT_EQ(outcome.err, "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่\n");
  EXPECT_TRUE(outcome.document["design"].is_null());
  EXPECT_TRUE(outcome.document["candidates"].is_null());
  EXPECT_TRUE(outcome.document["verdict"].is_null());
}

struct Drawn {
  const char* name;
  std::vector<std::string> arguments;
  ExitStatus status;
  std::optional<std::pair<int, int>> point; // KL/r and Qac of the record the chart gets
};

void PrintTo(const Drawn& c, std::ostream* os) {
  *os << c.name;
}

class ChartCases : public testing::TestWithParam<Drawn> {};

TEST_P(ChartCases, PlaceACarryingColumnLabelledAndExitAsTheCheck) {
  const Drawn& c = GetParam();
  int written = 0;
  std::string path;
  std::optional<std::pair<int, int>> point;
  const app::ChartWriter writer = [&](const engine::ColumnAnswer& answer, const std::string& file) {
    ++written;
    EXPECT_EQ(answer.inputs.materials, engine::Materials{});
    const engine::DesignRecord& record = answer.record;
    if (record.slendernessRatio && record.allowableStress) {
      point = std::pair{*record.slendernessRatio, *record.allowableStress};
    }
    path = file;
  };
  const Outcome outcome = RunCli(c.arguments, {.chart = writer});
  EXPECT_EQ(outcome.status, c.status);
  EXPECT_EQ(outcome.out, "");
  if (c.status == ExitStatus::Failed) {
    EXPECT_EQ(written, 0);
    EXPECT_NE(outcome.err, "");
    return;
  }
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(written, 1);
  EXPECT_EQ(path, "column.svg");
  EXPECT_EQ(point, c.point);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartCases,
    testing::Values(
        Drawn{"InitialColumn", {"chart", "column.svg"}, ExitStatus::Carries, std::pair{87, 92}},
        Drawn{"BeyondTheChartsLastSlenderness",
              {"chart", "--height", "10", "--k-factor", "2", "--load", "100", "column.svg"},
              ExitStatus::Carries,
              std::pair{509, 5}},
        Drawn{"DoesNotCarry",
              {"chart", "column.svg", "--load", "20000"},
              ExitStatus::DoesNotCarry,
              std::pair{87, 92}},
        Drawn{"RejectedAnswer",
              {"chart", "column.svg", "--load", "50"},
              ExitStatus::Failed,
              std::nullopt}),
    [](const testing::TestParamInfo<Drawn>& info) { return std::string(info.param.name); });

TEST(Chart, FileThatCannotBeWrittenFailsTheRunWithTheWritersReason) {
  const Outcome outcome = RunCli({"chart", "/nonexistent/column.svg"});
  EXPECT_EQ(outcome.status, ExitStatus::Failed);
  EXPECT_EQ(outcome.err, "pipecolumn-cli: cannot write the chart: no chart in this test\n");
}

} // namespace
