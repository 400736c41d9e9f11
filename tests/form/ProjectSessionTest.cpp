// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ProjectSession.h"
#include "tests/doubles/Columns.h"

#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "form/UnsavedChanges.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using engine::Verdict;
using form::HeaderField;
using form::Input;
using form::ProjectSession;
using project::ColumnEntry;

project::Project ProjectOf(std::vector<ColumnEntry> columns) {
  return {{"โรงงาน 7", "วิศวกร ก", {}}, std::move(columns)};
}

std::vector<std::string> Marks(const ProjectSession& session) {
  std::vector<std::string> marks;
  for (const ColumnEntry& entry : session.project().columns) {
    marks.push_back(entry.mark);
  }
  return marks;
}

TEST(ProjectSessionTest, StartsWithTheProjectAFreshFormShows) {
  ProjectSession session;
  EXPECT_EQ(session.project(), project::NewProject());
  EXPECT_FALSE(session.filePath().has_value());
  EXPECT_FALSE(session.isModified());
  EXPECT_FALSE(session.canRemoveColumn());
  EXPECT_EQ(form::FormState{}.session().project(), session.project());
  EXPECT_EQ(session.result(0).verdict, Verdict::Passes);
}

// Every edit of the form reaches the selected column or the header, and only a real change
// marks the project modified; the column's check follows its inputs.
TEST(ProjectSessionTest, WritesWhatChangedInTheForm) {
  struct Case {
    const char* name;
    std::function<void(form::FormState&)> edit;
    bool changes;
    Verdict verdict;
  };
  const std::vector<Case> cases = {
      {"nothing", [](form::FormState&) {}, false, Verdict::Passes},
      {"the same load again", [](form::FormState& f) { f.setInput(Input::AxialLoad, 8000); }, false,
       Verdict::Passes},
      {"load", [](form::FormState& f) { f.setInput(Input::AxialLoad, 900000); }, true,
       Verdict::Fails},
      {"height", [](form::FormState& f) { f.setInput(Input::Height, 6); }, true, Verdict::Fails},
      {"mark", [](form::FormState& f) { f.setHeader(HeaderField::ColumnMark, "ก-9"); }, true,
       Verdict::Passes},
      {"project", [](form::FormState& f) { f.setHeader(HeaderField::Project, "อาคาร C"); }, true,
       Verdict::Passes},
      {"engineer", [](form::FormState& f) { f.setHeader(HeaderField::Engineer, {}); }, true,
       Verdict::Passes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form::FormState form;
    ProjectSession& session = form.session();
    session.load(ProjectOf({Column("ก-1"), Column("ก-2")}), "/tmp/a.pipecolumn");
    session.select(1);
    form::ShowSelectedColumn(form);
    c.edit(form);

    EXPECT_EQ(session.isModified(), c.changes);
    const project::Project& project = session.project();
    EXPECT_EQ(project.columns[1].inputs, form.inputs());
    EXPECT_EQ(project.columns[1].mark, form.header(HeaderField::ColumnMark));
    EXPECT_EQ(project.header.project, form.header(HeaderField::Project));
    EXPECT_EQ(project.header.engineer, form.header(HeaderField::Engineer));
    EXPECT_EQ(project.columns[0], Column("ก-1")); // the other column stays as it was
    EXPECT_EQ(session.result(1).verdict, c.verdict);
  }
}

// Showing a column puts all of it into the form, leaves nothing of the column shown before, and
// is no change of the project.
TEST(ProjectSessionTest, ShowsTheSelectedColumnInTheForm) {
  form::FormState form;
  ProjectSession& session = form.session();
  session.load(ProjectOf({Column("ก-1", 900000), Column("ก-2", 20000)}), "/tmp/a.pipecolumn");
  for (const std::size_t row : {0u, 1u, 0u}) {
    SCOPED_TRACE(row);
    session.select(row);
    form::ShowSelectedColumn(form);
    const ColumnEntry& shown = session.column(row);
    EXPECT_EQ(form.inputs(), shown.inputs);
    EXPECT_EQ(form.header(HeaderField::ColumnMark), shown.mark);
    EXPECT_EQ(form.header(HeaderField::Project), "โรงงาน 7");
    const bool carries = session.result(row).verdict == Verdict::Passes;
    EXPECT_EQ(form.caption(form::Caption::Verdict),
              carries ? form::kCarriesCaption : form::kDoesNotCarryCaption);
    EXPECT_EQ(form.caption(form::Caption::AxialLoad),
              form::InputCaption(Input::AxialLoad, shown.inputs.axialLoadKg));
    EXPECT_EQ(form.record().axialLoad, shown.inputs.axialLoadKg);
    EXPECT_EQ(form.suggestion().has_value(), !carries);
  }
  EXPECT_FALSE(session.isModified());
  EXPECT_THROW(session.select(2), std::out_of_range);
  EXPECT_EQ(session.selectedRow(), 0u);
}

// Add, duplicate and remove: the marks that follow, the selection, and the project modified;
// the last column is never removed.
TEST(ProjectSessionTest, AddsDuplicatesAndRemovesColumns) {
  struct Case {
    const char* name;
    std::vector<std::string> marks;
    std::size_t selected;
    std::function<bool(ProjectSession&)> operation; // false when it refused
    std::vector<std::string> marksAfter;
    std::size_t selectedAfter;
  };
  const auto add = [](ProjectSession& s) {
    s.addColumn();
    return true;
  };
  const auto duplicate = [](ProjectSession& s) {
    s.duplicateSelected();
    return true;
  };
  const auto remove = [](ProjectSession& s) { return s.removeSelected(); };
  const std::vector<Case> cases = {
      {"add to the new project", {" C-002"}, 0, add, {" C-002", "C-2"}, 1},
      {"add passes over a mark in use", {"C-1", " C-3 "}, 0, add, {"C-1", " C-3 ", "C-4"}, 2},
      {"duplicate goes after the original",
       {"ก-1", "ก-2", "ก-3"},
       0,
       duplicate,
       {"ก-1", "C-4", "ก-2", "ก-3"},
       1},
      {"remove in the middle", {"ก-1", "ก-2", "ก-3"}, 1, remove, {"ก-1", "ก-3"}, 1},
      {"remove the last row", {"ก-1", "ก-2", "ก-3"}, 2, remove, {"ก-1", "ก-2"}, 1},
      {"remove the only column", {"ก-1"}, 0, remove, {"ก-1"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<ColumnEntry> columns;
    for (std::size_t i = 0; i < c.marks.size(); ++i) {
      columns.push_back(Column(c.marks[i], 1000.0 * static_cast<double>(i + 1)));
    }
    ProjectSession session;
    session.load(ProjectOf(columns), "/tmp/a.pipecolumn");
    session.select(c.selected);
    const ColumnEntry original = session.column(c.selected);

    const bool done = c.operation(session);

    EXPECT_EQ(Marks(session), c.marksAfter);
    EXPECT_EQ(session.selectedRow(), c.selectedAfter);
    EXPECT_EQ(session.isModified(), done);
    for (std::size_t row = 0; row < session.columnCount(); ++row) {
      EXPECT_EQ(session.result(row).record.axialLoad, session.column(row).inputs.axialLoadKg);
    }
    if (c.name == std::string_view("duplicate goes after the original")) {
      EXPECT_EQ(session.column(c.selectedAfter).inputs, original.inputs);
    } else if (c.marksAfter.size() > c.marks.size()) {
      EXPECT_EQ(session.column(c.selectedAfter).inputs, engine::ColumnInputs{});
    }
  }
}

// Loading, importing and saving: which file the project stands in and whether it is modified.
TEST(ProjectSessionTest, FollowsTheFileAndItsChanges) {
  ProjectSession session;
  session.addColumn();
  ASSERT_TRUE(session.isModified());

  project::Project stronger = ProjectOf({Column("ก-1"), Column("ก-2", 900000)});
  stronger.materials.concreteStrengthKgCm2 = 300;
  session.load(stronger, "/tmp/a.pipecolumn");
  EXPECT_FALSE(session.isModified());
  EXPECT_EQ(session.filePath(), "/tmp/a.pipecolumn");
  EXPECT_EQ(session.result(1).verdict, Verdict::Fails);

  session.select(1);
  session.startUntitled({Column("ข-1", 900000)});
  EXPECT_TRUE(session.isModified());
  EXPECT_EQ(session.selectedRow(), 0u);
  EXPECT_EQ(session.project().header.project, "โรงงาน 7");
  EXPECT_FALSE(session.filePath().has_value());
  EXPECT_EQ(session.result(0).verdict, Verdict::Fails);
  EXPECT_EQ(session.project().columns[0].inputs.materials, stronger.materials);

  session.markSaved("/tmp/b.pipecolumn");
  EXPECT_FALSE(session.isModified());
  EXPECT_EQ(session.filePath(), "/tmp/b.pipecolumn");

  EXPECT_THROW(session.startUntitled({}), std::invalid_argument);
  EXPECT_THROW(session.load(ProjectOf({}), "/tmp/c.pipecolumn"), std::invalid_argument);
  EXPECT_EQ(Marks(session), std::vector<std::string>{"ข-1"});

  session.startNew();
  EXPECT_EQ(session.project(), project::NewProject());
  EXPECT_FALSE(session.filePath().has_value());
  EXPECT_FALSE(session.isModified());
}

TEST(MayLeaveProjectTest, AsksOnlyAboutUnsavedChangesAndStaysUnlessSavedOrDiscarded) {
  using form::UnsavedAnswer;
  struct Case {
    bool modified;
    UnsavedAnswer answer;
    bool saves; // whether the save succeeds
    bool asked;
    bool saveTried;
    bool leaves;
  };
  const std::vector<Case> cases = {
      {false, UnsavedAnswer::Cancel, false, false, false, true},
      {true, UnsavedAnswer::Save, true, true, true, true},
      {true, UnsavedAnswer::Save, false, true, true, false},
      {true, UnsavedAnswer::Discard, false, true, false, true},
      {true, UnsavedAnswer::Cancel, true, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "modified " << c.modified << " answer "
                                      << static_cast<int>(c.answer) << " saves " << c.saves);
    bool asked = false;
    bool saveTried = false;
    const bool leaves = form::MayLeaveProject(
        c.modified,
        [&] {
          asked = true;
          return c.answer;
        },
        [&] {
          saveTried = true;
          return c.saves;
        });
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(saveTried, c.saveTried);
    EXPECT_EQ(leaves, c.leaves);
  }
}

} // namespace
