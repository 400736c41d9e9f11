// SPDX-License-Identifier: GPL-3.0-or-later
// The standard pipe table, its unit masses, the search for the lightest pipe that carries a load,
// and the two warnings the method itself does not raise.

#include "engine/PipeCatalogue.h"
#include "engine/ColumnAnswer.h"
#include "engine/ColumnAssessment.h"
#include "engine/ColumnCheck.h"
#include "engine/Failure.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using engine::ColumnInputs;
using engine::PipeCatalogue;

TEST(PipeCatalogue, ListsTheStandardSizesWithPublishedUnitMasses) {
  const PipeCatalogue catalogue = PipeCatalogue::Standard();
  EXPECT_EQ(catalogue.pipes().size(), 128u);
  EXPECT_EQ(catalogue.diameters().size(), 29u);
  EXPECT_EQ(catalogue.sizesOf(114.3).size(), 3u);
  EXPECT_TRUE(catalogue.sizesOf(114.0).empty());
  const struct {
    double D, T;
    const char* nominal;
    const char* unitMass;
  } kPublished[] = {
      {114.3, 3.2, "100A, 4\"", "8.77"},    {190.7, 4.5, "175A, 7\"", "20.7"},
      {216.3, 8.0, "200A, 8\"", "41.1"},    {21.7, 2.0, "15A, 1/2\"", "0.972"},
      {1016.0, 22.0, "1000A, 40\"", "539"}, {500.0, 9.0, "", "109"},
  };
  for (const auto& size : kPublished) {
    const engine::StandardPipe* pipe = catalogue.find(size.D, size.T);
    ASSERT_NE(pipe, nullptr) << size.D << " x " << size.T;
    EXPECT_EQ(pipe->nominal(), size.nominal);
    EXPECT_EQ(engine::UnitMassText(pipe->unitMassKgPerM()), size.unitMass);
  }
}

TEST(PipeCatalogue, RejectsAMalformedTable) {
  for (const char* text : {"100A;4\";114.3", "100A;4\";114.3;abc", "100A;4\";-1;3.2"}) {
    EXPECT_THROW(PipeCatalogue::Parse(text), std::invalid_argument) << text;
  }
}

// The design search's choice, found by checking every size: the lightest pipe that carries the
// load within KL/r 180 and D/T 0.11 E / fy, else the lightest that carries it at all; on equal
// mass the smaller diameter. The flag says whether the pipe is sound.
std::optional<std::pair<engine::StandardPipe, bool>> Exhaustive(const PipeCatalogue& catalogue,
                                                                const ColumnInputs& column) {
  std::optional<std::pair<engine::StandardPipe, bool>> best;
  for (const engine::StandardPipe& pipe : catalogue.pipes()) {
    ColumnInputs inputs = column;
    inputs.outsideDiameterMm = pipe.outsideDiameterMm;
    inputs.wallThicknessMm = pipe.wallThicknessMm;
    engine::DesignRecord record;
    try {
      record = engine::CheckColumn(inputs);
    } catch (const engine::Failure&) {
      continue;
    }
    if (!engine::Carries(record)) {
      continue;
    }
    const bool sound = *record.slendernessRatio <= 180 &&
                       pipe.outsideDiameterMm / pipe.wallThicknessMm <= 0.11 * 200000 / 240;
    const auto better = [&](const engine::StandardPipe& other) {
      return pipe.unitMassKgPerM() < other.unitMassKgPerM() ||
             (pipe.unitMassKgPerM() == other.unitMassKgPerM() &&
              pipe.outsideDiameterMm < other.outsideDiameterMm);
    };
    if (!best || (sound && !best->second) || (sound == best->second && better(best->first))) {
      best = std::pair{pipe, sound};
    }
  }
  return best;
}

TEST(PipeCatalogue, LightestPassingPipeAgreesWithCheckingEverySize) {
  // Beside the standard's table, one where the big pipe is too thin: heavy loads only it carries.
  const PipeCatalogue thinBig = PipeCatalogue::Parse("50A;2\";60.5;2.3\n50A;2\";60.5;3.2\n"
                                                     "1000A;40\";1016.0;9.0\n");
  int onlyWarned = 0;
  for (const PipeCatalogue& catalogue : {PipeCatalogue::Standard(), thinBig}) {
    for (const double load : {100.0, 8000.0, 12000.0, 60000.0, 250000.0, 900000.0}) {
      for (const double height : {1.0, 4.0, 10.0}) {
        for (const double k : {0.6, 1.0, 2.0}) {
          ColumnInputs column;
          column.axialLoadKg = load;
          column.heightM = height;
          column.kFactor = k;
          const auto found = engine::LightestPassingPipe(catalogue, column);
          const auto expected = Exhaustive(catalogue, column);
          ASSERT_EQ(found.has_value(), expected.has_value()) << load << " " << height << " " << k;
          if (found) {
            EXPECT_EQ(found->pipe.outsideDiameterMm, expected->first.outsideDiameterMm);
            EXPECT_EQ(found->pipe.wallThicknessMm, expected->first.wallThicknessMm);
            EXPECT_EQ(found->warnings.empty(), expected->second);
            onlyWarned += expected->second ? 0 : 1;
            EXPECT_LE(found->utilisation, 1.0);
            const auto all = engine::PassingPipes(catalogue, column);
            ASSERT_FALSE(all.empty());
            for (std::size_t i = 1; i < all.size(); ++i) {
              EXPECT_LE(all[i - 1].pipe.unitMassKgPerM(), all[i].pipe.unitMassKgPerM());
            }
          }
        }
      }
    }
  }
  EXPECT_GT(onlyWarned, 0) << "no load that only pipes with warnings carry";
  ColumnInputs heavy;
  heavy.axialLoadKg = 900000;
  heavy.heightM = 10;
  heavy.kFactor = 2;
  EXPECT_FALSE(engine::LightestPassingPipe(PipeCatalogue::Standard(), heavy))
      << "no standard pipe carries it";
}

TEST(ColumnAssessment, WarnsOfSlendernessAndThinWalls) {
  const struct {
    double D, T, H, K;
    bool slender, thin;
  } kColumns[] = {
      {114.3, 3.2, 4, 0.85, false, false},
      {60.5, 2.3, 10, 2, true, false},
      {2000, 10, 4, 1, false, true},
      {216.3, 2.3, 4, 1, false, true},
  };
  for (const auto& c : kColumns) {
    ColumnInputs inputs;
    inputs.outsideDiameterMm = c.D;
    inputs.wallThicknessMm = c.T;
    inputs.heightM = c.H;
    inputs.kFactor = c.K;
    const engine::ColumnAnswer answer = engine::AnswerColumn(inputs);
    EXPECT_EQ(answer.has(engine::WarningKind::Slenderness), c.slender) << c.D << " x " << c.T;
    EXPECT_EQ(answer.has(engine::WarningKind::LocalBuckling), c.thin) << c.D << " x " << c.T;
  }
  ColumnInputs initial;
  EXPECT_NEAR(*engine::Utilisation(engine::CheckColumn(initial)), 8000 / 10279.62, 1e-12);
}

} // namespace
