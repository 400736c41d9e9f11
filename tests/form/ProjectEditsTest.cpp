// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ProjectEdits.h"

#include <gtest/gtest.h>

namespace {

using form::HeaderField;
using form::ProjectSnapshot;

ProjectSnapshot WithMark(const char* mark) {
  ProjectSnapshot snapshot{project::NewProject(), 0};
  snapshot.project.columns.front().mark = mark;
  return snapshot;
}

// Typing on in the same field is one undo step; anything else is a step of its own.
TEST(ProjectEdits, TypingJoinsOnlyTheSameField) {
  struct Case {
    const char* name;
    std::optional<HeaderField> earlierField;
    std::optional<HeaderField> laterField;
    bool joins;
  };
  const Case cases[] = {
      {"typing on", HeaderField::ColumnMark, HeaderField::ColumnMark, true},
      {"another field", HeaderField::ColumnMark, HeaderField::Project, false},
      {"after a prompt", std::nullopt, HeaderField::ColumnMark, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form::ProjectEdit earlier = form::FormEdit(WithMark("C"), WithMark("C-"), c.earlierField);
    const form::ProjectEdit later = form::FormEdit(WithMark("C-"), WithMark("C-9"), c.laterField);
    const bool joined = form::JoinTyping(earlier, later);
    EXPECT_EQ(joined, c.joins);
    EXPECT_EQ(earlier.before, WithMark("C"));
    EXPECT_EQ(earlier.after, joined ? later.after : WithMark("C-"));
  }
}

// An edit of the inputs is named by the one input it changes, or as the suggestion's pipe only
// where it changes D and T alone.
TEST(ProjectEdits, NamesAnInputEditByWhatChanged) {
  struct Case {
    std::vector<std::pair<form::Input, double>> changes;
    const char* name;
  };
  const std::vector<Case> cases = {
      {{{form::Input::AxialLoad, 9000}}, "Axial Load"},
      {{{form::Input::OutsideDiameter, 101.6}, {form::Input::WallThickness, 3.5}},
       "ใช้ท่อที่แนะนำ (Suggested pipe)"},
      {{{form::Input::Height, 5}, {form::Input::AxialLoad, 9000}}, "แก้ไขข้อมูลเสา (Edit column)"},
      {{{form::Input::OutsideDiameter, 101.6}, {form::Input::AxialLoad, 9000}},
       "แก้ไขข้อมูลเสา (Edit column)"},
  };
  for (const Case& c : cases) {
    ProjectSnapshot after = WithMark("C1");
    for (const auto& [input, value] : c.changes) {
      form::ValueOf(after.project.columns.front().inputs, input) = value;
    }
    EXPECT_EQ(form::FormEdit(WithMark("C1"), after, std::nullopt).name, c.name);
  }
}

} // namespace
