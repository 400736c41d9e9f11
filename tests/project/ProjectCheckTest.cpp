// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectCheck.h"

#include "project/HeaderFields.h"

#include <gtest/gtest.h>

namespace {

using engine::Verdict;
using project::ColumnEntry;

TEST(NewProjectTest, IsTheWindowsInitialColumnUnderItsInitialHeader) {
  const project::Project fresh = project::NewProject();
  EXPECT_EQ(fresh.header.project, project::InitialHeaderText(project::HeaderField::Project));
  EXPECT_EQ(fresh.header.engineer, project::InitialHeaderText(project::HeaderField::Engineer));
  ASSERT_EQ(fresh.columns.size(), 1u);
  EXPECT_EQ(fresh.columns[0].mark, project::InitialHeaderText(project::HeaderField::ColumnMark));
  EXPECT_EQ(fresh.columns[0].inputs, engine::ColumnInputs{});
}

ColumnEntry Column(const char* mark, double diameter, double thickness, double load) {
  ColumnEntry entry{mark, {}};
  entry.inputs.outsideDiameterMm = diameter;
  entry.inputs.wallThicknessMm = thickness;
  entry.inputs.axialLoadKg = load;
  return entry;
}

TEST(CheckProjectTest, GivesEveryColumnItsOutcomeAndCountsThem) {
  struct Expected {
    Verdict verdict;
    const char* failure;
  };
  const std::vector<std::pair<ColumnEntry, Expected>> table = {
      {Column("ก-1", 114.3, 3.2, 8000), {Verdict::Passes, ""}},
      {Column("ก-2", 114.3, 3.2, 900000), {Verdict::Fails, ""}},
      {Column("ก-3", 10, 5, 8000), {Verdict::NotChecked, "ImpossiblePipe"}},
      {Column("ก-4", 318.5, 6.9, 50000), {Verdict::Passes, ""}},
  };
  project::Project subject;
  for (const auto& [entry, expected] : table) {
    subject.columns.push_back(entry);
  }

  const project::ProjectResults results = project::CheckProject(subject);

  ASSERT_EQ(results.columns.size(), table.size());
  EXPECT_EQ(results.passing, 2u);
  EXPECT_EQ(results.failing, 1u);
  EXPECT_EQ(results.unchecked, 1u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const engine::ColumnAnswer& result = results.columns[i];
    const Expected& expected = table[i].second;
    SCOPED_TRACE(table[i].first.mark);
    EXPECT_EQ(result.verdict, expected.verdict);
    EXPECT_EQ(result.failure.value_or(""), expected.failure);
    const bool checked = expected.verdict != Verdict::NotChecked;
    EXPECT_EQ(result.utilisation.has_value(), checked);
    EXPECT_EQ(result.checked(&engine::DesignRecord::plateSide).has_value(), checked);
    EXPECT_EQ(result.checked(&engine::DesignRecord::plateThicknessMm).has_value(), checked);
    if (checked) {
      // The verdict follows the load against the capacity, which the utilisation states.
      EXPECT_EQ(*result.utilisation <= 1, expected.verdict == Verdict::Passes);
    }
  }
}

} // namespace
