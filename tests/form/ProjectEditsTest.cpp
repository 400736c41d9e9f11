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

} // namespace
