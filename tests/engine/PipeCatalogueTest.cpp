// SPDX-License-Identifier: GPL-3.0-or-later
// The standard pipe table, its unit masses, the search for the lightest pipe that carries a load,
// and the two warnings the method itself does not raise.

#include "engine/PipeCatalogue.h"
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

// The lightest standard pipe that carries the load, found by checking every size.
std::optional<engine::StandardPipe> Exhaustive(const PipeCatalogue& catalogue,
                                               const ColumnInputs& column) {
  std::optional<engine::StandardPipe> best;
  for (const engine::StandardPipe& pipe : catalogue.pipes()) {
    ColumnInputs inputs = column;
    inputs.outsideDiameterMm = pipe.outsideDiameterMm;
    inputs.wallThicknessMm = pipe.wallThicknessMm;
    try {
      if (!engine::Carries(engine::CheckColumn(inputs))) {
        continue;
      }
    } catch (const engine::Failure&) {
      continue;
    }
    if (!best || pipe.unitMassKgPerM() < best->unitMassKgPerM() ||
        (pipe.unitMassKgPerM() == best->unitMassKgPerM() &&
         pipe.outsideDiameterMm < best->outsideDiameterMm)) {
      best = pipe;
    }
  }
  return best;
}

TEST(PipeCatalogue, LightestPassingPipeAgreesWithCheckingEverySize) {
  const PipeCatalogue catalogue = PipeCatalogue::Standard();
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
          EXPECT_EQ(found->pipe.outsideDiameterMm, expected->outsideDiameterMm);
          EXPECT_EQ(found->pipe.wallThicknessMm, expected->wallThicknessMm);
          EXPECT_LE(found->utilisation, 1.0);
          const auto all = engine::PassingPipes(catalogue, column);
          ASSERT_FALSE(all.empty());
          EXPECT_EQ(all.front().pipe.outsideDiameterMm, found->pipe.outsideDiameterMm);
          for (std::size_t i = 1; i < all.size(); ++i) {
            EXPECT_LE(all[i - 1].pipe.unitMassKgPerM(), all[i].pipe.unitMassKgPerM());
          }
        }
      }
    }
  }
  ColumnInputs heavy;
  heavy.axialLoadKg = 900000;
  heavy.heightM = 10;
  heavy.kFactor = 2;
  EXPECT_FALSE(engine::LightestPassingPipe(catalogue, heavy)) << "no standard pipe carries it";
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
    const engine::ColumnAssessment assessment = engine::Assess(inputs, engine::CheckColumn(inputs));
    EXPECT_EQ(assessment.slendernessWarning, c.slender) << c.D << " x " << c.T;
    EXPECT_EQ(assessment.localBucklingWarning, c.thin) << c.D << " x " << c.T;
  }
  ColumnInputs initial;
  EXPECT_NEAR(*engine::Utilisation(engine::CheckColumn(initial)), 8000 / 10279.62, 1e-12);
}

} // namespace
