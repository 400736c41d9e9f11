// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's box columns: the check as typed, the box table and the design search.

#include "CliRun.h"

#include "engine/BoxDesign.h"
#include "engine/PipeCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::ExitStatus;
using clitest::Json;
using clitest::Outcome;
using clitest::RunCli;

struct BoxRun {
  const char* name;
  std::vector<std::string> arguments;
  ExitStatus status;
  double depthMm; // 0 where the inputs are refused
  double widthMm;
  double yieldStressMpa;
};

TEST(BoxCheck, TakesTheTypedBoxAndRefusesWhatDoesNotFit) {
  const std::vector<BoxRun> runs = {
      {"square by its depth",
       {"--depth", "100", "--thickness", "3.2"},
       ExitStatus::Carries,
       100,
       100,
       240},
      {"sides in either order",
       {"--depth", "100", "--width", "150", "--thickness", "4.5", "--steel-grade", "STKR490"},
       ExitStatus::Carries,
       150,
       100,
       325},
      {"a yield stress as a value",
       {"--depth", "50", "--thickness", "1.6", "--load", "20000", "--steel-grade", "300"},
       ExitStatus::DoesNotCarry,
       50,
       50,
       300},
      {"corners that do not fit",
       {"--depth", "50", "--thickness", "13"},
       ExitStatus::Failed,
       0,
       0,
       240},
      {"a side out of range",
       {"--depth", "5000", "--thickness", "3.2"},
       ExitStatus::Failed,
       0,
       0,
       240},
      {"with a diameter", {"--depth", "100", "--diameter", "114.3"}, ExitStatus::Failed, -1, 0, 0},
      {"a width alone", {"--width", "100"}, ExitStatus::Failed, -1, 0, 0},
      {"an unknown grade",
       {"--depth", "100", "--steel-grade", "SS400"},
       ExitStatus::Failed,
       -1,
       0,
       0},
  };
  for (const BoxRun& run : runs) {
    SCOPED_TRACE(run.name);
    const Outcome outcome = RunCli(clitest::With(run.arguments, "--json"));
    EXPECT_EQ(outcome.status, run.status);
    if (run.depthMm < 0) { // a usage error: no document
      EXPECT_TRUE(outcome.document.is_null());
      continue;
    }
    const Json& document = outcome.document;
    EXPECT_EQ(document["inputs"]["section"], "box");
    if (run.depthMm == 0) {
      EXPECT_TRUE(document["inputs"]["depth_mm"].is_null());
      EXPECT_TRUE(document["verdict"].is_null());
      EXPECT_FALSE(document["messages"].empty());
      continue;
    }
    EXPECT_EQ(document["inputs"]["depth_mm"], run.depthMm);
    EXPECT_EQ(document["inputs"]["width_mm"], run.widthMm);
    EXPECT_EQ(document["materials"]["yield_stress_mpa"], run.yieldStressMpa);
    EXPECT_FALSE(document["results"]["plate_thickness_mm"].is_null());
    EXPECT_FALSE(document["cross_check"]["plate_thickness_panel_mm"].is_null());
  }
}

TEST(BoxCheck, RefusesASheetItCannotPrintYet) {
  const Outcome outcome = RunCli({"--depth", "100", "--thickness", "3.2", "--sheet", "x.pdf"});
  EXPECT_EQ(outcome.status, ExitStatus::Failed);
  EXPECT_NE(outcome.err.find("box column is not printed yet"), std::string::npos);
}

TEST(BoxCatalogue, ListsEveryStandardBox) {
  const Outcome outcome = RunCli({"catalogue", "--section", "box", "--json"});
  EXPECT_EQ(outcome.status, ExitStatus::Succeeded);
  const auto boxes = engine::BoxCatalogue::Standard().boxes();
  ASSERT_EQ(outcome.document["boxes"].size(), boxes.size());
  EXPECT_EQ(outcome.document["boxes"][0]["designation"], boxes.front().designation);
}

TEST(BoxDesign, FindsTheBoxTheEnginesSearchFinds) {
  for (const auto& [height, load] : {std::pair{"3", "5000"}, std::pair{"6", "100000"},
                                     std::pair{"10", "10000"}, std::pair{"4", "900000"}}) {
    SCOPED_TRACE(std::string(height) + " m, " + load + " kg");
    engine::BoxColumnInputs column;
    column.heightM = std::stod(height);
    column.axialLoadKg = std::stod(load);
    const auto found = engine::LightestPassingBox(engine::BoxCatalogue::Standard(), column);
    const Outcome outcome =
        RunCli({"design", "--section", "box", "--height", height, "--load", load, "--json"});
    EXPECT_EQ(outcome.status, found ? ExitStatus::Carries : ExitStatus::DoesNotCarry);
    if (found) {
      EXPECT_EQ(outcome.document["design"]["designation"], found->box.designation);
      EXPECT_EQ(outcome.document["inputs"]["depth_mm"], found->box.section.depthMm);
    } else {
      EXPECT_TRUE(outcome.document["design"].is_null());
    }
  }
}

TEST(BoxDesign, AnySectionTakesTheLighterSoundOne) {
  const Outcome pipe = RunCli({"design", "--load", "20000", "--json"});
  const Outcome box = RunCli({"design", "--section", "box", "--load", "20000", "--json"});
  const Outcome any = RunCli({"design", "--section", "any", "--load", "20000", "--json"});
  const double pipeMass = pipe.document["design"]["unit_mass_kg_m"];
  const double boxMass = box.document["design"]["unit_mass_kg_m"];
  EXPECT_EQ(any.document["design"],
            boxMass < pipeMass ? box.document["design"] : pipe.document["design"]);
}

} // namespace
