// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Failure.h"

#include <string>
#include <string_view>

namespace engine {

// A square or rectangular hollow section: depth A not below width B, wall t, in mm. The corners
// are rounded with an outer radius of 2t and an inner radius of t, as the standard's tables take
// them.
struct BoxSection {
  double depthMm = 0;         // A, the larger side
  double widthMm = 0;         // B, the smaller side
  double wallThicknessMm = 0; // t

  friend bool operator==(const BoxSection&, const BoxSection&) = default;
};

// A section whose corners do not fit its sides: the wall is not positive or the width is less
// than four walls.
class ImpossibleBox final : public Failure {
public:
  using Failure::Failure;
  std::string name() const override { return "ImpossibleBox"; }
};

// The section with its sides in either order: the larger becomes the depth.
BoxSection SortedBox(double sideMm, double otherSideMm, double wallThicknessMm);

// Whether the rounded corners fit: 0 < 4t <= B.
bool IsPossibleBox(const BoxSection& box);

// Throws ImpossibleBox, saying why, where the corners do not fit.
void RequirePossibleBox(const BoxSection& box);

// The section's figures, unrounded, computed from its exact shape with the exact pi.
struct BoxProperties {
  double areaCm2 = 0;                 // 2t(A + B) - (16 - 3 pi) t2
  double secondMomentMajorCm4 = 0;    // about the axis across the depth
  double secondMomentMinorCm4 = 0;    // about the axis across the width
  double radiusOfGyrationMinorCm = 0; // sqrt(I minor / area)
  double unitMassKgPerM = 0;          // 0.785 x area in cm2
};

// Throws ImpossibleBox for a section whose corners do not fit.
BoxProperties PropertiesOf(const BoxSection& box);

struct Materials;

// The sides a box column may be given, mm, inclusive, and what is said of one outside them.
inline constexpr double kLowestBoxSideMm = 20;
inline constexpr double kHighestBoxSideMm = 1000;
inline constexpr std::string_view kBoxSideMessage =
    "ขนาดด้านของเหล็กกล่อง (box side) ต้องอยู่ระหว่าง 20 ถึง 1000 mm !?!   โปรดแก้ไขใหม่";
bool IsAcceptedBoxSide(double sideMm);

// Said of a wall too thick for its rounded corners to fit the width (4t > B).
inline constexpr std::string_view kImpossibleBoxMessage =
    "ความหนาของเหล็กกล่องต้องไม่เกินหนึ่งในสี่ของด้านที่แคบกว่า !?!   โปรดแก้ไขใหม่";

// A wall's flat width, its side less three walls, as the local buckling limits take it.
double FlatWallWidth(double sideMm, double wallThicknessMm);

// b/t beyond which a box's wall is slender in compression: 1.40 sqrt(E / fy).
double BoxWallSlendernessLimit(const Materials& materials);

// "100 x 50 x 3.2": depth, width and wall as every list prints them.
std::string BoxSizeText(const BoxSection& box);

} // namespace engine
