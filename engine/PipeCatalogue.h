// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "engine/ColumnInputs.h"
#include "engine/DesignRecord.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One size of the standard's table.
struct StandardPipe {
  std::string nominalA;    // "100A"; empty where the standard gives the size no nominal name
  std::string nominalInch; // "4\""
  double outsideDiameterMm = 0;
  double wallThicknessMm = 0;

  // The standard's formula W = 0.02466 T (D - T), kg/m, unrounded.
  double unitMassKgPerM() const;
  // "100A, 4\"", or empty.
  std::string nominal() const;
};

// The unit mass as the standard's tables print it: three significant figures ("8.77", "20.7").
std::string UnitMassText(double kgPerM);

// A pipe's size as every list prints it: "114.3 x 3.2".
std::string PipeSizeText(double outsideDiameterMm, double wallThicknessMm);
// A standard pipe with its name and mass: "125A, 5\" 139.8 x 3.6 mm (12.1 kg/m)".
std::string StandardPipeText(const StandardPipe& pipe);

class PipeCatalogue {
public:
  // The compiled-in table of standard structural pipes, read once; it never changes.
  static const PipeCatalogue& Standard();
  // Reads "nominal A;nominal inch;D;T" lines; '#' starts a comment line. Throws
  // std::invalid_argument naming the line that is not such a line.
  static PipeCatalogue Parse(std::string_view text);

  // Smallest diameter first, thinnest wall first within one.
  std::span<const StandardPipe> pipes() const { return pipes_; }
  // The distinct outside diameters, smallest first.
  std::vector<double> diameters() const;
  // The standard sizes of one outside diameter, thinnest first; empty for a diameter not listed.
  std::vector<StandardPipe> sizesOf(double outsideDiameterMm) const;
  // The pipe of that size, if the standard lists it.
  const StandardPipe* find(double outsideDiameterMm, double wallThicknessMm) const;

  // Positions in pipes(), lightest first; on equal mass the smaller diameter first.
  std::span<const std::size_t> lightestFirst() const { return lightestFirst_; }

private:
  std::vector<StandardPipe> pipes_;
  std::vector<std::size_t> lightestFirst_;
};

// A standard pipe that carries the load, with its check and what lies outside the method.
struct PipeCandidate {
  StandardPipe pipe;
  DesignRecord record;
  double utilisation = 0;        // load / capacity
  std::vector<Warning> warnings; // a sound pipe has none but the plate's second opinion
};

// Every standard pipe that carries `column`'s load at its height and K, lightest first (on equal
// mass the smaller diameter first), sound or not.
std::vector<PipeCandidate> PassingPipes(const PipeCatalogue& catalogue, const ColumnInputs& column);

// The lightest sound pipe that carries the load; where only pipes with warnings carry it, the
// lightest of those (its warnings say so); nothing when no standard pipe carries the load.
std::optional<PipeCandidate> LightestPassingPipe(const PipeCatalogue& catalogue,
                                                 const ColumnInputs& column);

} // namespace engine
