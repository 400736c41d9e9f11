// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/Project.h"

#include "project/HeaderFields.h"

#include <map>
#include <string_view>

namespace project {

Project NewProject() {
  Project project;
  project.header.project = InitialHeaderText(HeaderField::Project);
  project.header.engineer = InitialHeaderText(HeaderField::Engineer);
  project.columns.push_back({std::string(InitialHeaderText(HeaderField::ColumnMark)), {}});
  return project;
}

std::string_view WithoutBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<UnclearMark> UnclearMarks(const std::vector<ColumnEntry>& columns) {
  std::vector<UnclearMark> marks{{"", {}}};
  std::map<std::string_view, std::size_t> shared; // a mark and its place in `marks`
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const std::string_view mark = WithoutBlanks(columns[i].mark);
    if (mark.empty()) {
      marks.front().columns.push_back(i);
      continue;
    }
    const auto [found, isNew] = shared.try_emplace(mark, marks.size());
    if (isNew) {
      marks.push_back({std::string(mark), {}});
    }
    marks[found->second].columns.push_back(i);
  }
  std::erase_if(marks, [](const UnclearMark& each) {
    return each.columns.empty() || (!each.mark.empty() && each.columns.size() == 1);
  });
  return marks;
}

void ApplyMaterials(Project& project) {
  for (ColumnEntry& entry : project.columns) {
    entry.inputs.materials = project.materials;
  }
}

} // namespace project
