// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the calculation over a grid that spans every input range, and over the standard pipe sizes
// answered through the prompts, and checks that every combination completes with consistent
// results. The design quantities of all combinations are folded into one digest and a sample is
// kept as a table, so that any change of the arithmetic shows up as a diff.
//
// To accept a deliberate change: PIPECOLUMN_SWEEP_UPDATE=1 build/release/tests/sweep/sweep_tests
// rewrites tests/sweep/digest.txt and tests/sweep/golden.csv; review the diff before committing.

#include "engine/ColumnCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using form::Caption;
using form::FormState;
using form::Input;

const std::string kSourceDir = PIPECOLUMN_SWEEP_SOURCE_DIR;
const std::string kPass(form::kCarriesCaption);
const std::string kFail(form::kDoesNotCarryCaption);

// The input as its text, which for the grid's values is the text typed.
std::string Text(const FormState& form, Input input) {
  return engine::PlainText(form.input(input));
}

void Set(FormState& form, Input input, const std::string& text) {
  form.setInput(input, engine::StrictNumber(text));
}

// Texts as a user would type them: a value rounded to `decimals` places, in its plain form.
std::string Typed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return engine::PlainText(std::round(value * scale) / scale);
}

// `count` values from `low` to `high` (both included), evenly spaced on a log scale.
std::vector<std::string> Geometric(double low, double high, int count, int decimals) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) {
    texts.push_back(Typed(low * std::pow(high / low, double(i) / (count - 1)), decimals));
  }
  return texts;
}

struct Grid {
  std::vector<std::string> D, T, H, K, P;
  std::size_t size() const { return D.size() * T.size() * H.size() * K.size() * P.size(); }
};

// Both ends of every prompt range are on the grid.
Grid FullGrid() {
  return {
      Geometric(10, 2000, 40, 1),
      {"1", "1.6", "2", "2.3", "2.8", "3.2", "4", "4.5", "6", "8", "10", "14", "20", "28", "38",
       "50"},
      {"1", "1.5", "2", "3", "4", "5", "6", "7.5", "9", "10"},
      {"0.6", "0.7", "0.8", "0.85", "1", "1.2", "1.5", "2"},
      Geometric(100, 900000, 6, 0),
  };
}

// The standard structural pipe sizes, outside diameter by wall thickness in mm.
struct PipeSize {
  const char* D;
  const char* T;
};
constexpr PipeSize kStandardPipes[] = {
    {"21.7", "2"},    {"27.2", "2"},    {"27.2", "2.3"},  {"34", "2.3"},    {"42.7", "2.3"},
    {"42.7", "2.5"},  {"48.6", "2.3"},  {"48.6", "2.5"},  {"48.6", "2.8"},  {"48.6", "3.2"},
    {"60.5", "2.3"},  {"60.5", "3.2"},  {"60.5", "4"},    {"76.3", "2.8"},  {"76.3", "3.2"},
    {"76.3", "4"},    {"89.1", "2.8"},  {"89.1", "3.2"},  {"101.6", "3.2"}, {"101.6", "4"},
    {"101.6", "5"},   {"114.3", "3.2"}, {"114.3", "3.5"}, {"114.3", "4.5"}, {"114.3", "6"},
    {"139.8", "3.6"}, {"139.8", "4"},   {"139.8", "4.5"}, {"139.8", "6"},   {"165.2", "4.5"},
    {"165.2", "5"},   {"165.2", "6"},   {"165.2", "7.1"}, {"190.7", "4.5"}, {"190.7", "5.3"},
    {"190.7", "6"},   {"190.7", "7"},   {"190.7", "8.2"}, {"216.3", "4.5"}, {"216.3", "5.8"},
    {"216.3", "6"},   {"216.3", "7"},   {"216.3", "8"},   {"216.3", "8.2"},
};

// 64-bit FNV-1a over the quantities that the captions and the sheet show.
class Digest {
public:
  void add(std::int64_t value) {
    for (int byte = 0; byte < 8; ++byte) {
      hash_ = (hash_ ^ (static_cast<std::uint64_t>(value) >> (8 * byte) & 0xff)) * kPrime;
    }
  }
  void add(const FormState& form) {
    const engine::DesignRecord& q = form.record();
    add(*q.slendernessRatio);
    add(*q.allowableStress);
    add(q.sectionArea->count());
    add(q.stressBlend->count());
    add(q.axialCapacity->count());
    add(*q.maxAxialForce);
    add(*q.plateSide);
    add(q.bearingPressure->count());
    add(q.plateThickness->count());
    add(*q.plateThicknessMm);
    add(form.printEnabled() ? 1 : 0);
  }
  std::string hex() const {
    std::ostringstream out;
    out << std::hex << hash_;
    return out.str();
  }

private:
  static constexpr std::uint64_t kPrime = 0x100000001b3;
  std::uint64_t hash_ = 0xcbf29ce484222325;
};

// The results of one combination as a line of golden.csv.
std::string CsvLine(const FormState& form) {
  const engine::DesignRecord& q = form.record();
  std::ostringstream line;
  line << Text(form, Input::OutsideDiameter) << ',' << Text(form, Input::WallThickness) << ','
       << Text(form, Input::Height) << ',' << Text(form, Input::KFactor) << ','
       << Text(form, Input::AxialLoad) << ',' << *q.slendernessRatio << ',' << *q.allowableStress
       << ',' << q.sectionArea->toDecimalString() << ',' << q.axialCapacity->toDecimalString()
       << ',' << *q.maxAxialForce << ',' << *q.plateSide << ','
       << q.bearingPressure->toDecimalString() << ',' << q.plateThickness->toDecimalString() << ','
       << *q.plateThicknessMm << ',' << (form.printEnabled() ? "pass" : "fail");
  return line.str();
}
// An impossible pipe: its inputs, and no results.
std::string RefusedCsvLine(const FormState& form) {
  std::ostringstream line;
  line << Text(form, Input::OutsideDiameter) << ',' << Text(form, Input::WallThickness) << ','
       << Text(form, Input::Height) << ',' << Text(form, Input::KFactor) << ','
       << Text(form, Input::AxialLoad) << ",,,,,,,,,,impossible";
  return line.str();
}
const char* const kCsvHeader = "D,T,H,K,P,lambda,Qac,A,AxialCapacity,MaxAxialForce,PlateSize,"
                               "BearingPressure,PlateThickness,PlateThicknessMm,verdict";

// What every completed calculation must satisfy, whatever the numbers. Empty when it holds.
std::string Inconsistency(const FormState& form) {
  const engine::DesignRecord& q = form.record();
  const double D = q.outsideDiameter.value();
  const bool carries = q.axialCapacity->toDouble() >= q.axialLoad.value();
  std::ostringstream fault;
  if (form.printEnabled() != carries) {
    fault << "print command does not follow the verdict; ";
  }
  if (form.caption(Caption::Verdict) != (carries ? kPass : kFail)) {
    fault << "verdict caption disagrees with the capacity; ";
  }
  if (*q.maxAxialForce != std::lround(q.axialCapacity->toDouble()) &&
      std::fabs(*q.maxAxialForce - q.axialCapacity->toDouble()) > 0.5) {
    fault << "MaxAxialForce is not the rounded capacity; ";
  }
  // A very slender column may have a permissible stress that rounds to 0, never a negative one.
  if (*q.slendernessRatio < 1 || *q.allowableStress < 0) {
    fault << "slenderness not positive or permissible stress negative; ";
  }
  if (*q.plateSide * 10.0 < D) {
    fault << "plate narrower than the pipe; ";
  }
  if (*q.plateThicknessMm < 2) {
    fault << "plate thinner than 2 mm; ";
  }
  const std::string plate = "Base Plate ขนาด = " + engine::SpacedText(*q.plateSide) + " cm. x " +
                            engine::SpacedText(*q.plateSide) +
                            " cm. หนา = " + engine::SpacedText(*q.plateThicknessMm) + " mm.";
  if (form.caption(Caption::BasePlate) != plate) {
    fault << "base plate caption disagrees with the record; ";
  }
  return fault.str();
}

std::string Describe(const FormState& form) {
  return "D=" + Text(form, Input::OutsideDiameter) + " T=" + Text(form, Input::WallThickness) +
         " H=" + Text(form, Input::Height) + " K=" + Text(form, Input::KFactor) +
         " P=" + Text(form, Input::AxialLoad);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool Updating() {
  const char* update = std::getenv("PIPECOLUMN_SWEEP_UPDATE");
  return update != nullptr && std::string(update) == "1";
}

// Every grid combination completes, the results hold together, and their digest is unchanged.
// Every 997th combination goes into the golden table next to the standard pipes.
TEST(Sweep, EveryGridCombinationCompletes) {
  const Grid grid = FullGrid();
  FormState form;
  Digest digest;
  std::vector<std::string> failures; // the first few, for the report
  std::size_t failureCount = 0;
  std::size_t refusedCount = 0;
  std::ostringstream sample;
  std::size_t count = 0;
  for (const std::string& D : grid.D) {
    Set(form, Input::OutsideDiameter, D);
    for (const std::string& T : grid.T) {
      Set(form, Input::WallThickness, T);
      for (const std::string& H : grid.H) {
        Set(form, Input::Height, H);
        for (const std::string& K : grid.K) {
          Set(form, Input::KFactor, K);
          for (const std::string& P : grid.P) {
            Set(form, Input::AxialLoad, P);
            std::string fault;
            bool refused = false;
            try {
              // The check and its captions; the standard pipe search has tests of its own.
              engine::CheckColumn(form.inputs(), form.record());
              form::ShowResultCaptions(form);
              fault = Inconsistency(form);
            } catch (const engine::ImpossiblePipe&) {
              refused = true; // no wall: refused before any step
              ++refusedCount;
              if (2 * form.input(Input::WallThickness) < form.input(Input::OutsideDiameter)) {
                fault = "a possible pipe was refused";
              }
            } catch (const std::exception& failure) {
              fault = std::string("failed: ") + failure.what();
            }
            if (!fault.empty() && ++failureCount <= 20) {
              failures.push_back(Describe(form) + ": " + fault);
            }
            if (refused) {
              digest.add(-1);
            } else {
              digest.add(form);
            }
            if (count % 997 == 0) {
              sample << (refused ? RefusedCsvLine(form) : CsvLine(form)) << '\n';
            }
            ++count;
          }
        }
      }
    }
  }
  ASSERT_EQ(count, grid.size());
  for (const std::string& failure : failures) {
    ADD_FAILURE() << failure;
  }

  std::ostringstream standard;
  for (const PipeSize& pipe : kStandardPipes) {
    for (const char* H : {"3", "6"}) {
      for (const char* P : {"1000", "8000", "40000"}) {
        Set(form, Input::OutsideDiameter, pipe.D);
        Set(form, Input::WallThickness, pipe.T);
        Set(form, Input::Height, H);
        Set(form, Input::KFactor, "1");
        Set(form, Input::AxialLoad, P);
        form::Recalculate(form);
        standard << CsvLine(form) << '\n';
      }
    }
  }

  const std::string digestText = "combinations " + std::to_string(count) + "\nimpossible pipes " +
                                 std::to_string(refusedCount) + "\ndigest " + digest.hex() + "\n";
  const std::string golden = std::string(kCsvHeader) + "\n" + standard.str() + sample.str();
  EXPECT_EQ(failureCount, 0u);
  std::cout << "[ sweep    ] " << count << " combinations, " << failureCount << " failures, digest "
            << digest.hex() << '\n';
  if (Updating()) {
    std::ofstream(kSourceDir + "/digest.txt") << digestText;
    std::ofstream(kSourceDir + "/golden.csv") << golden;
    GTEST_SKIP() << "rewrote digest.txt and golden.csv";
  }
  EXPECT_EQ(ReadFile(kSourceDir + "/digest.txt"), digestText)
      << "the results of the sweep changed; if that is intended, rerun with "
         "PIPECOLUMN_SWEEP_UPDATE=1 and review the diff of golden.csv";
  EXPECT_EQ(ReadFile(kSourceDir + "/golden.csv"), golden)
      << "the sample results changed; rerun with PIPECOLUMN_SWEEP_UPDATE=1 and review the diff";
}

// The standard pipe sizes answered through the five prompts, as a user types them: every answer
// is accepted without a message and every calculation completes.
TEST(Sweep, StandardPipesThroughThePrompts) {
  FormState form;
  std::size_t count = 0;
  for (const PipeSize& pipe : kStandardPipes) {
    for (const char* H : {"1", "2.5", "4", "6", "8", "10"}) {
      for (const char* K : {"0.6", "0.85", "1", "2"}) {
        for (const char* P : {"100", "2500", "8000", "30000", "900000"}) {
          form::RecordingHost host;
          for (const char* answer : {pipe.D, pipe.T, H, K, P}) {
            host.scriptAnswer(std::string(answer));
          }
          for (const Input input : form::kAllInputs) {
            ASSERT_NO_THROW(form::AskForInput(input, form, host))
                << pipe.D << " x " << pipe.T << " H=" << H << " K=" << K << " P=" << P;
          }
          ASSERT_TRUE(host.messages().empty()) << host.messages().front().prompt;
          ASSERT_EQ(Inconsistency(form), "") << Describe(form);
          ++count;
        }
      }
    }
  }
  EXPECT_EQ(count, std::size(kStandardPipes) * 6 * 4 * 5);
}

} // namespace
