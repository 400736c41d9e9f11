// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ProjectEdits.h"

#include <gtest/gtest.h>

namespace {

using form::HeaderField;
using form::ProjectSnapshot;

ProjectSnapshot WithMark(const char* mark, std::size_t selected = 0) {
  ProjectSnapshot snapshot{project::NewProject(), selected};
  snapshot.project.columns.push_back(snapshot.project.columns.front());
  snapshot.project.columns.at(selected).mark = mark;
  return snapshot;
}

// Typing on in the same field of the same column is one undo step; anything else is a step of
// its own.
TEST(ProjectEdits, TypingJoinsOnlyTheSameFieldOfTheSameColumn) {
  struct Case {
    const char* name;
    std::optional<HeaderField> earlierField;
    std::optional<HeaderField> laterField;
    std::size_t laterColumn;
    bool joins;
  };
  const Case cases[] = {
      {"typing on", HeaderField::ColumnMark, HeaderField::ColumnMark, 0, true},
      {"another field", HeaderField::ColumnMark, HeaderField::Project, 0, false},
      {"another column", HeaderField::ColumnMark, HeaderField::ColumnMark, 1, false},
      {"after a prompt", std::nullopt, HeaderField::ColumnMark, 0, false},
      {"then a prompt", HeaderField::ColumnMark, std::nullopt, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form::ProjectEdit earlier = form::FormEdit(WithMark("C"), WithMark("C-"), c.earlierField);
    const form::ProjectEdit later =
        form::FormEdit(WithMark("C-", c.laterColumn), WithMark("C-9", c.laterColumn), c.laterField);
    const bool joined = form::JoinTyping(earlier, later);
    EXPECT_EQ(joined, c.joins);
    EXPECT_EQ(earlier.before, WithMark("C"));
    EXPECT_EQ(earlier.after, joined ? later.after : WithMark("C-"));
  }
}

} // namespace
