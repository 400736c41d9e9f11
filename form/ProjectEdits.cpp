// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ProjectEdits.h"

#include "form/ValuePrompt.h"

#include <algorithm>
#include <array>
#include <utility>

namespace form {

namespace {

constexpr std::array<std::string_view, kAllHeaderFields.size()> kHeaderEditNames = {
    "ชื่อโครงการ (Project)", "ผู้ออกแบบ (Engineer)", "เครื่องหมายเสา (Column mark)"};

std::string HeaderEditName(HeaderField field) {
  return std::string(kHeaderEditNames.at(static_cast<std::size_t>(field)));
}

// "Input Axial Load " gives "Axial Load".
std::string InputEditName(Input input) {
  std::string_view title = PromptFor(input).title;
  constexpr std::string_view kLead = "Input ";
  if (title.starts_with(kLead)) {
    title.remove_prefix(kLead.size());
  }
  while (!title.empty() && title.back() == ' ') {
    title.remove_suffix(1);
  }
  return std::string(title);
}

std::string NameOfFormEdit(const ProjectSnapshot& before, const ProjectSnapshot& after) {
  const auto& old = before.project.columns.at(before.selected);
  const auto& now = after.project.columns.at(after.selected);
  const auto changed = std::ranges::count_if(kAllInputs, [&](Input input) {
    return ValueOf(old.inputs, input) != ValueOf(now.inputs, input);
  });
  if (changed == 1) {
    const auto input = *std::ranges::find_if(kAllInputs, [&](Input each) {
      return ValueOf(old.inputs, each) != ValueOf(now.inputs, each);
    });
    return InputEditName(input);
  }
  const bool onlyThePipe = changed == 2 && std::ranges::all_of(kAllInputs, [&](Input input) {
                             return input == Input::OutsideDiameter ||
                                    input == Input::WallThickness ||
                                    ValueOf(old.inputs, input) == ValueOf(now.inputs, input);
                           });
  if (onlyThePipe) {
    return "ใช้ท่อที่แนะนำ (Suggested pipe)";
  }
  if (changed > 1) {
    return "แก้ไขข้อมูลเสา (Edit column)";
  }
  return "ล้างหัวรายการ (Clear header)";
}

} // namespace

ProjectEdit FormEdit(ProjectSnapshot before, ProjectSnapshot after,
                     std::optional<HeaderField> typedField) {
  std::string name = typedField ? HeaderEditName(*typedField) : NameOfFormEdit(before, after);
  return {std::move(before), std::move(after), std::move(name), typedField, false, std::nullopt};
}

ProjectEdit CommandEdit(ProjectCommand command, ProjectSnapshot before, ProjectSnapshot after) {
  static constexpr std::array<std::string_view, 6> kNames = {
      "เพิ่มคอลัมน์ (Add)",
      "ทำสำเนาคอลัมน์ (Duplicate)",
      "ลบคอลัมน์ (Remove)",
      "นำเข้าตารางเสา (Import CSV)",
      "เลขทะเบียนใบอนุญาต (Licence number)",
      "พิมพ์หน้าความเห็นที่สอง (Print second opinion)"};
  return {std::move(before),
          std::move(after),
          std::string(kNames.at(static_cast<std::size_t>(command))),
          std::nullopt,
          command == ProjectCommand::Import,
          std::nullopt};
}

bool JoinTyping(ProjectEdit& earlier, const ProjectEdit& later) {
  if (!earlier.typedField || earlier.typedField != later.typedField ||
      earlier.after != later.before || earlier.before.selected != later.after.selected) {
    return false;
  }
  earlier.after = later.after;
  return true;
}

} // namespace form
