// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BoxCatalogue.h"

#include "engine/NumberText.h"
#include "engine/StandardBoxesData.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <stdexcept>
#include <tuple>

namespace engine {

namespace {

std::invalid_argument BoxTableError(std::size_t lineNumber, const std::string& what) {
  return std::invalid_argument("line " + std::to_string(lineNumber) + ": " + what);
}

double BoxTableMillimetres(std::string_view text, std::size_t lineNumber) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || !(value > 0)) {
    throw BoxTableError(lineNumber, "\"" + std::string(text) + "\" is not a size in mm");
  }
  return value;
}

std::string Designation(const BoxSection& box) {
  return PlainText(box.depthMm) + "x" + PlainText(box.widthMm) + "x" +
         PlainText(box.wallThicknessMm);
}

auto SizeOrder(const BoxSection& box) {
  return std::tuple(box.depthMm, box.widthMm, box.wallThicknessMm);
}

} // namespace

const BoxCatalogue& BoxCatalogue::Standard() {
  static const BoxCatalogue standard = Parse(kStandardBoxesData);
  return standard;
}

BoxCatalogue BoxCatalogue::Parse(std::string_view text) {
  BoxCatalogue catalogue;
  std::size_t lineNumber = 0;
  for (std::string_view line : SplitAt(text, '\n')) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const std::vector<std::string_view> fields = SplitAt(line, ';');
    if (fields.size() != 4) {
      throw BoxTableError(lineNumber, "four fields expected");
    }
    const BoxSection section{BoxTableMillimetres(fields[1], lineNumber),
                             BoxTableMillimetres(fields[2], lineNumber),
                             BoxTableMillimetres(fields[3], lineNumber)};
    if (!IsPossibleBox(section)) {
      throw BoxTableError(lineNumber, "not a box: the width above the depth or below four walls");
    }
    if (fields[0] != Designation(section)) {
      throw BoxTableError(lineNumber, "\"" + std::string(fields[0]) + "\" does not name " +
                                          Designation(section));
    }
    if (catalogue.find(section) != nullptr) {
      throw BoxTableError(lineNumber, Designation(section) + " is listed twice");
    }
    catalogue.boxes_.push_back({std::string(fields[0]), section, PropertiesOf(section)});
  }
  std::vector<StandardBox>& boxes = catalogue.boxes_;
  std::sort(boxes.begin(), boxes.end(), [](const StandardBox& a, const StandardBox& b) {
    return SizeOrder(a.section) < SizeOrder(b.section);
  });
  catalogue.lightestFirst_.resize(boxes.size());
  std::iota(catalogue.lightestFirst_.begin(), catalogue.lightestFirst_.end(), std::size_t{0});
  std::stable_sort(catalogue.lightestFirst_.begin(), catalogue.lightestFirst_.end(),
                   [&](std::size_t a, std::size_t b) {
                     return std::tuple(boxes[a].properties.unitMassKgPerM, boxes[a].section.depthMm,
                                       boxes[a].section.widthMm) <
                            std::tuple(boxes[b].properties.unitMassKgPerM, boxes[b].section.depthMm,
                                       boxes[b].section.widthMm);
                   });
  return catalogue;
}

const StandardBox* BoxCatalogue::find(const BoxSection& section) const {
  const auto found = std::find_if(boxes_.begin(), boxes_.end(),
                                  [&](const StandardBox& box) { return box.section == section; });
  return found == boxes_.end() ? nullptr : &*found;
}

} // namespace engine
