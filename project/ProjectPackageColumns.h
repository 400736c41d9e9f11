// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/Project.h"
#include "project/ProjectCheck.h"
#include "report/ProjectPackage.h"

#include <string>
#include <vector>

namespace project {

// The project and its check as the package prints them: every column with its record or its
// failure. `results` must be the check of `project`.
std::vector<report::PackageColumn> PackageColumns(const Project& project,
                                                  const ProjectResults& results);

// The package's header: the project's own, dated `date`.
report::PackageHeader PackageHeaderOf(const Project& project, std::string date);

} // namespace project
