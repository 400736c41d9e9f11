// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CrossCheck.h"
#include "engine/ColumnCheck.h"
#include "engine/Units.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using engine::ColumnInputs;
using engine::CrossCheck;
using engine::CrossCheckVerdict;

// Exact conversions from the US units of the published examples.
constexpr double kMmPerInch = 25.4;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kMpaPerKsi = 6.894757293168361;
constexpr double kKgPerKip = 453.59237;

ColumnInputs UsColumn(double diameterIn, double wallIn, double lengthFt, double fyKsi) {
  ColumnInputs inputs;
  inputs.outsideDiameterMm = diameterIn * kMmPerInch;
  inputs.wallThicknessMm = wallIn * kMmPerInch;
  inputs.heightM = lengthFt * kMetresPerFoot;
  inputs.kFactor = 1;
  inputs.materials.elasticModulusMpa = 29000 * kMpaPerKsi;
  inputs.materials.yieldStressMpa = fyKsi * kMpaPerKsi;
  return inputs;
}

// AISC Design Examples E.11: Pipe 10 Std, A53 Gr. B (Fy = 35 ksi), Lc = 30 ft.
ColumnInputs PipeTenStandard() {
  return UsColumn(10.75, 0.365, 30, 35);
}

// G. Morcous, "Steel Pipe Shore Design" (CONE 417/817, University of Nebraska): 2 in. pipe,
// t = 0.154 in., 10 ft, Fy = 50 ksi; the elastic range of E3.
ColumnInputs PipeShore() {
  return UsColumn(2.375, 0.154, 10, 50);
}

ColumnInputs Metric(double diameter, double wall, double load) {
  ColumnInputs inputs;
  inputs.outsideDiameterMm = diameter;
  inputs.wallThicknessMm = wall;
  inputs.axialLoadKg = load;
  return inputs;
}

CrossCheck Answer(const ColumnInputs& inputs) {
  return engine::CrossCheckColumn(inputs, engine::CheckColumn(inputs));
}

struct PublishedFigure {
  const char* figure;
  ColumnInputs inputs;
  std::function<double(const CrossCheck&)> ours;
  double published;
  double tolerance; // and why it is not tighter
};

TEST(CrossCheck, MatchesPublishedFigures) {
  const auto ksi = [](double mpa) { return mpa / kMpaPerKsi; };
  const auto kips = [](double kg) { return kg / kKgPerKip; };
  // Table 1-14 tabulates A = 11.5 in2 and the 2 in. pipe's A = 1.00 in2 where the design wall's
  // geometry gives 11.10 and 1.004; the capacities are compared per tabulated area for that.
  const auto perArea = [&](double tabulatedIn2) {
    return [&, tabulatedIn2](const CrossCheck& c) {
      return kips(*c.allowableLoadKg) / (*c.effectiveAreaCm2 / 6.4516) * tabulatedIn2;
    };
  };
  const PublishedFigure figures[] = {
      // E.11 rounds every step to three figures; Table 4-6 gives 148 kips.
      {"E.11 Lc/r", PipeTenStandard(), [](auto& c) { return c.slendernessRatio; }, 97.8, 0.05},
      {"E.11 Fe", PipeTenStandard(), [&](auto& c) { return ksi(c.elasticBucklingStressMpa); }, 29.9,
       0.06},
      {"E.11 Fcr", PipeTenStandard(), [&](auto& c) { return ksi(c.nominalStressMpa); }, 21.4, 0.07},
      {"E.11 Pn/Omega (147 calculated, 148 Table 4-6)", PipeTenStandard(), perArea(11.5), 147.5,
       0.5},
      // The handout takes r = 0.79 in., so its KL/r and Fe carry that rounding.
      {"shore KL/r", PipeShore(), [](auto& c) { return c.slendernessRatio; }, 151.5, 0.3},
      {"shore Fe", PipeShore(), [&](auto& c) { return ksi(c.elasticBucklingStressMpa); }, 12.46,
       0.05},
      {"shore Fcr", PipeShore(), [&](auto& c) { return ksi(c.nominalStressMpa); }, 10.93, 0.05},
      {"shore Pa", PipeShore(), perArea(1.0), 6.54, 0.02},
      // The method's own initial example: 114.3 x 3.2 under 8000 kg on a 15 cm plate.
      {"initial cantilever plate", ColumnInputs{},
       [](auto& c) { return c.plateThicknessCantileverMm; }, 6.45, 0.005},
      {"initial ring plate", ColumnInputs{}, [](auto& c) { return c.plateThicknessRingMm; }, 6.86,
       0.005},
      {"initial allowable load", ColumnInputs{}, [](auto& c) { return *c.allowableLoadKg; },
       10436.1, 0.05},
      {"2000 x 10 under 900 t, ring", Metric(2000, 10, 900000),
       [](auto& c) { return c.plateThicknessRingMm; }, 99.17, 0.005},
  };
  for (const PublishedFigure& row : figures) {
    EXPECT_NEAR(row.ours(Answer(row.inputs)), row.published, row.tolerance) << row.figure;
  }
}

TEST(CrossCheck, PlateFormulaGivesDesignExampleK9) {
  // AISC Design Examples K.9: Pa = 160 kips on a 13 x 13 in. plate of Fy = 50 ksi,
  // m = n = (13 - 0.95 x 6) / 2 = 3.65 in., t = 0.918 in. (ASD).
  const double pressureMpa = 160 * kKgPerKip * engine::kStandardGravity / (13 * 13 * 645.16);
  const double t =
      engine::CantileverPlateThickness(3.65 * kMmPerInch, pressureMpa, 50 * kMpaPerKsi);
  EXPECT_NEAR(t / kMmPerInch, 0.918, 0.0005);
}

TEST(CrossCheck, VerdictsFollowTheWallAndTheLoad) {
  struct Case {
    const char* name;
    ColumnInputs inputs;
    CrossCheckVerdict column;
    bool plate;
  };
  const Case cases[] = {
      {"initial example: column passes, 4 mm plate too thin", ColumnInputs{},
       CrossCheckVerdict::Passes, false},
      {"over the allowable load", Metric(114.3, 3.2, 10437), CrossCheckVerdict::Fails, false},
      {"slender wall, area reduced", Metric(1000, 5, 10000), CrossCheckVerdict::Passes, false},
      {"wall beyond the code", Metric(2000, 5, 10000), CrossCheckVerdict::NotCovered, false},
      {"light load on a thick plate", Metric(114.3, 3.2, 100), CrossCheckVerdict::Passes, true},
  };
  for (const Case& c : cases) {
    const CrossCheck answer = Answer(c.inputs);
    EXPECT_EQ(answer.verdict, c.column) << c.name;
    EXPECT_EQ(answer.platePasses, c.plate) << c.name;
    EXPECT_EQ(answer.allowableLoadKg.has_value(), c.column != CrossCheckVerdict::NotCovered)
        << c.name;
  }
  const CrossCheck reduced = Answer(Metric(1000, 5, 10000));
  const double d = 1000 - 2 * 4.65;
  EXPECT_LT(*reduced.effectiveAreaCm2, 3.14159 / 4 * (1000 * 1000 - d * d) / 100 * 0.85);
}

} // namespace
