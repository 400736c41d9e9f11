// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProblemList.h"

#include "project/Project.h"

#include <algorithm>

namespace project {

namespace {

std::string FieldPart(std::string_view field) {
  return field.empty() ? std::string() : " ช่อง " + std::string(field);
}

} // namespace

ProblemList::ProblemList(std::string_view fileName) : fileName_(fileName) {}

void ProblemList::addInFile(std::string_view message) {
  errors_.messages.push_back("ไฟล์ " + fileName_ + ": " + std::string(message));
}

void ProblemList::addInField(std::string_view field, std::string_view message) {
  errors_.messages.push_back("ไฟล์ " + fileName_ + FieldPart(field) + ": " + std::string(message));
}

void ProblemList::addInColumn(std::size_t row, std::string_view mark, std::string_view field,
                              std::string_view message) {
  const std::string rowText = "แถว " + std::to_string(row);
  const std::string place =
      WithoutBlanks(mark).empty() ? rowText : "คอลัมน์ " + std::string(mark) + " (" + rowText + ")";
  errors_.messages.push_back("ไฟล์ " + fileName_ + " " + place + FieldPart(field) + ": " +
                             std::string(message));
}

} // namespace project
