// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/BoxSection.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One size of the box table, with the figures its shape gives.
struct StandardBox {
  std::string designation; // "100x50x3.2", as the makers' tables name it
  BoxSection section;
  BoxProperties properties;
};

class BoxCatalogue {
public:
  // The compiled-in table of standard square and rectangular hollow sections, read once.
  static const BoxCatalogue& Standard();
  // Reads "designation;A;B;t" lines; '#' starts a comment line. Throws std::invalid_argument naming
  // the line that is not such a line, whose designation does not name its size, whose corners do
  // not fit or that repeats a size.
  static BoxCatalogue Parse(std::string_view text);

  // Smallest depth first, then smallest width, then thinnest wall.
  std::span<const StandardBox> boxes() const { return boxes_; }
  // The box of that size, if the table lists it.
  const StandardBox* find(const BoxSection& section) const;
  // Positions in boxes(), lightest first; on equal mass the smaller depth, then the smaller width.
  std::span<const std::size_t> lightestFirst() const { return lightestFirst_; }

private:
  std::vector<StandardBox> boxes_;
  std::vector<std::size_t> lightestFirst_;
};

} // namespace engine
