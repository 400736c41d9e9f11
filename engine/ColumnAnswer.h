// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/CrossCheck.h"
#include "engine/DesignRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

enum class Verdict { Passes, Fails, NotChecked }; // NotChecked: the check stopped

// "passes", "fails"; empty for NotChecked, which files and JSON leave empty or null.
std::string_view KeyOf(Verdict verdict);
// The verdict as lists of columns print it: "OK", "NOT OK", "ERROR".
std::string_view VerdictWord(Verdict verdict);

enum class WarningKind {
  Slenderness,
  LocalBuckling,
  PlateThinnerThanWall,
  ConcreteBelowMethod,
  CrossCheckColumn,
  CrossCheckPlate
};

// "slenderness", "local_buckling", "plate_thinner_than_wall", "concrete_below_method",
// "cross_check_column", "cross_check_plate"
std::string_view KeyOf(WarningKind kind);

// A column outside the limits of the method: the figure that breaks the limit and the sentence
// every output prints for it.
struct Warning {
  WarningKind kind;
  double value; // the figure that breaks the limit (KL/r, D/T, ...)
  double limit; // the limit it breaks
  std::string text;
};

// Everything the program says about one column, computed once; every output renders it.
struct ColumnAnswer {
  ColumnInputs inputs;
  DesignRecord record; // as far as the check got
  Verdict verdict = Verdict::NotChecked;
  std::optional<std::string> failure;   // the failure's name where the check stopped
  std::optional<double> utilisation;    // load over the exact capacity
  std::vector<Warning> warnings;        // in the order every output shows them
  std::optional<CrossCheck> crossCheck; // the second opinion on a completed check

  bool has(WarningKind kind) const;
  // The record's quantity where the check completed; none after a stop.
  template <typename Quantity> Quantity checked(Quantity DesignRecord::*quantity) const {
    return verdict == Verdict::NotChecked ? Quantity{} : record.*quantity;
  }
};

// "166.67 เกิน 91.67": the fewest decimals from two up at which the figure still reads above
// its limit, so a rounded limit never makes the sentence false.
std::string ExceedsText(double value, double limit);

// The warnings of the method's plate thinner than the wall named `wallName` ("ผนังท่อ T": the
// sentence's last word drops the symbol) and of a concrete below the one the method's bearing
// assumes, appended to `warnings` where they apply.
void AddPlateAndConcreteWarnings(double plateMm, double wallMm, std::string_view wallName,
                                 const Materials& materials, std::vector<Warning>& warnings);

// The wall's slenderness `ratioName` ("D/T", "b/t") above its limit.
Warning LocalBucklingWarning(std::string_view ratioName, double ratio, double limit);

// The warning for a KL/r beyond the usual limit; none within it.
std::optional<Warning> SlendernessWarning(std::int32_t ratio);

// The second opinion's column fails at `utilisation`, carrying `allowableLoadKg`.
Warning CrossCheckFailsWarning(double utilisation, double allowableLoadKg);

// The second opinion on the method's plate, whatever the section on it.
struct PlateJudgement {
  bool passes = false;
  bool bearingHolds = false;
  double loadKg = 0;
  double bearingAllowableKg = 0;
  double requiredThicknessMm = 0;
  double methodThicknessMm = 0;
};
// The warning where the plate is thinner than required or the bearing fails; none otherwise.
std::optional<Warning> PlateWarning(const PlateJudgement& plate);

// The kinds of the warnings in their order, joined by `separator`: "slenderness;...".
std::string WarningKeys(const std::vector<Warning>& warnings, std::string_view separator);

// Checks the column and judges it; a Failure of the check ends up in `failure`, never thrown.
ColumnAnswer AnswerColumn(const ColumnInputs& inputs);

// Judges a record the check has already filled: a record that did not reach the plate's last
// step (a blank form, a stopped check) has no verdict and no warnings.
ColumnAnswer AnswerOf(const ColumnInputs& inputs, const DesignRecord& record);

// Whether a warning is about the pipe as a column, rather than its plate or the project's concrete.
bool IsAboutThePipe(WarningKind kind);

// Whether a warning is the second opinion's, not the method's own.
bool IsSecondOpinion(WarningKind kind);

// The lowest f'c (kg/cm2) for which the method's allowable bearing is its share 0.25 f'c.
double MethodConcreteStrength(const Materials& materials);

// Whether the warnings leave a pipe sound for the design search: those about the plate or the
// concrete do not count, since the plate is sized for the pipe chosen on the project's concrete.
bool IsSoundPipe(const std::vector<Warning>& warnings);

// The warnings of a completed check of `inputs`, in their order (the second opinion's not among
// them: AnswerOf appends those).
std::vector<Warning> WarningsOf(const ColumnInputs& inputs, const DesignRecord& record);

} // namespace engine
