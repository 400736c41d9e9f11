// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/HostServices.h"
#include "project/Project.h"

#include <string>

namespace form {
class FormState;
}

namespace project {

// The project a single sheet carries: the form's one column under the form's header, with the
// licence number `licenceNumber`.
Project ProjectOfForm(const form::FormState& form, std::string licenceNumber = {});

// The project file a document carries: what a Save writes, and the program that wrote it.
std::string CarriedProjectBytes(const Project& project);

// The properties of the sheet, the chart and the package, each carrying its project.
form::DocumentDescription SheetDescriptionOf(const form::FormState& form,
                                             std::string licenceNumber = {});
form::DocumentDescription ChartDescriptionOf(const form::FormState& form,
                                             std::string licenceNumber = {});
form::DocumentDescription PackageDescriptionOf(const Project& project, const std::string& date);

} // namespace project
