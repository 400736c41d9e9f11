// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PipeCatalogue.h"

#include "engine/ColumnAnswer.h"
#include "engine/ColumnAssessment.h"
#include "engine/ColumnCheck.h"
#include "engine/Failure.h"
#include "engine/NumberText.h"
#include "engine/StandardPipesData.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace engine {

namespace {

constexpr double kUnitMassFactor = 0.02466; // steel's 7.85 t/m3 times pi, per mm2 of section

double Millimetres(std::string_view text, std::size_t lineNumber) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || !(value > 0)) {
    throw std::invalid_argument("line " + std::to_string(lineNumber) + ": \"" + std::string(text) +
                                "\" is not a size in mm");
  }
  return value;
}

// Runs the check on the pipe; nothing when the check fails or the pipe does not carry the load.
std::optional<PipeCandidate> Carrying(const StandardPipe& pipe, ColumnInputs column) {
  column.outsideDiameterMm = pipe.outsideDiameterMm;
  column.wallThicknessMm = pipe.wallThicknessMm;
  PipeCandidate candidate{pipe, {}, 0, {}};
  try {
    CheckColumn(column, candidate.record);
  } catch (const Failure&) {
    return std::nullopt;
  }
  if (!Carries(candidate.record)) {
    return std::nullopt;
  }
  ColumnAnswer answer = AnswerOf(column, candidate.record);
  candidate.utilisation = answer.utilisation.value_or(0);
  candidate.warnings = std::move(answer.warnings);
  return candidate;
}

} // namespace

double StandardPipe::unitMassKgPerM() const {
  return kUnitMassFactor * wallThicknessMm * (outsideDiameterMm - wallThicknessMm);
}

std::string StandardPipe::nominal() const {
  if (nominalA.empty()) {
    return nominalInch;
  }
  return nominalInch.empty() ? nominalA : nominalA + ", " + nominalInch;
}

std::string UnitMassText(double kgPerM) {
  if (!(kgPerM > 0)) {
    return PlainText(kgPerM);
  }
  const int digitsBeforePoint = static_cast<int>(std::floor(std::log10(kgPerM))) + 1;
  const double scale = std::pow(10.0, 3 - digitsBeforePoint);
  return PlainText(std::round(kgPerM * scale) / scale);
}

std::string PipeSizeText(double outsideDiameterMm, double wallThicknessMm) {
  return PlainText(outsideDiameterMm) + " x " + PlainText(wallThicknessMm);
}

std::string StandardPipeText(const StandardPipe& pipe) {
  const std::string nominal = pipe.nominal();
  return (nominal.empty() ? "" : nominal + " ") +
         PipeSizeText(pipe.outsideDiameterMm, pipe.wallThicknessMm) + " mm (" +
         UnitMassText(pipe.unitMassKgPerM()) + " kg/m)";
}

const PipeCatalogue& PipeCatalogue::Standard() {
  static const PipeCatalogue standard = Parse(kStandardPipesData);
  return standard;
}

PipeCatalogue PipeCatalogue::Parse(std::string_view text) {
  PipeCatalogue catalogue;
  std::size_t lineNumber = 0;
  for (std::string_view line : SplitAt(text, '\n')) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const std::vector<std::string_view> fields = SplitAt(line, ';');
    if (fields.size() != 4) {
      throw std::invalid_argument("line " + std::to_string(lineNumber) + ": four fields expected");
    }
    catalogue.pipes_.push_back({std::string(fields[0]), std::string(fields[1]),
                                Millimetres(fields[2], lineNumber),
                                Millimetres(fields[3], lineNumber)});
  }
  // Smallest diameter first, thinnest wall first within one, whatever the order of the lines.
  std::stable_sort(catalogue.pipes_.begin(), catalogue.pipes_.end(),
                   [](const StandardPipe& a, const StandardPipe& b) {
                     return a.outsideDiameterMm != b.outsideDiameterMm
                                ? a.outsideDiameterMm < b.outsideDiameterMm
                                : a.wallThicknessMm < b.wallThicknessMm;
                   });
  const std::vector<StandardPipe>& pipes = catalogue.pipes_;
  for (std::size_t i = 0; i < pipes.size(); ++i) {
    catalogue.lightestFirst_.push_back(i);
  }
  std::stable_sort(catalogue.lightestFirst_.begin(), catalogue.lightestFirst_.end(),
                   [&](std::size_t a, std::size_t b) {
                     if (pipes[a].unitMassKgPerM() != pipes[b].unitMassKgPerM()) {
                       return pipes[a].unitMassKgPerM() < pipes[b].unitMassKgPerM();
                     }
                     return pipes[a].outsideDiameterMm < pipes[b].outsideDiameterMm;
                   });
  return catalogue;
}

std::vector<double> PipeCatalogue::diameters() const {
  std::vector<double> result;
  for (const StandardPipe& pipe : pipes_) {
    if (std::find(result.begin(), result.end(), pipe.outsideDiameterMm) == result.end()) {
      result.push_back(pipe.outsideDiameterMm);
    }
  }
  std::sort(result.begin(), result.end());
  return result;
}

std::vector<StandardPipe> PipeCatalogue::sizesOf(double outsideDiameterMm) const {
  std::vector<StandardPipe> result;
  for (const StandardPipe& pipe : pipes_) {
    if (pipe.outsideDiameterMm == outsideDiameterMm) {
      result.push_back(pipe);
    }
  }
  std::sort(result.begin(), result.end(), [](const StandardPipe& a, const StandardPipe& b) {
    return a.wallThicknessMm < b.wallThicknessMm;
  });
  return result;
}

const StandardPipe* PipeCatalogue::find(double outsideDiameterMm, double wallThicknessMm) const {
  for (const StandardPipe& pipe : pipes_) {
    if (pipe.outsideDiameterMm == outsideDiameterMm && pipe.wallThicknessMm == wallThicknessMm) {
      return &pipe;
    }
  }
  return nullptr;
}

std::vector<PipeCandidate> PassingPipes(const PipeCatalogue& catalogue,
                                        const ColumnInputs& column) {
  std::vector<PipeCandidate> passing;
  for (const std::size_t index : catalogue.lightestFirst()) {
    if (std::optional<PipeCandidate> candidate = Carrying(catalogue.pipes()[index], column)) {
      passing.push_back(std::move(*candidate));
    }
  }
  return passing;
}

std::optional<PipeCandidate> LightestPassingPipe(const PipeCatalogue& catalogue,
                                                 const ColumnInputs& column) {
  std::optional<PipeCandidate> lightestWarned;
  for (const std::size_t index : catalogue.lightestFirst()) {
    std::optional<PipeCandidate> candidate = Carrying(catalogue.pipes()[index], column);
    if (candidate && IsSoundPipe(candidate->warnings)) {
      return candidate;
    }
    if (candidate && !lightestWarned) {
      lightestWarned = std::move(candidate);
    }
  }
  return lightestWarned;
}

} // namespace engine
