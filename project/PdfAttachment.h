// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace project {

// A PDF carries its project as an embedded file of the project file's type, related to the
// document as its source: the file the document was made from.
inline constexpr std::string_view kProjectMimeType = "application/x-pipecolumn";
inline constexpr std::string_view kCarriedFileRelationship = "Source";
inline constexpr std::size_t kMaxAttachmentNameLength = 64;

// The carried project's file name: the project's name with ASCII letters, digits, blanks and
// ".,_-+&()" kept and each run of other characters made one "_", its ends trimmed and its length
// cut to kMaxAttachmentNameLength with the extension; "project" where nothing is left or where
// the name, up to its first dot, is one that Windows keeps for a device (CON, NUL, COM1, ...).
std::string AttachmentFileName(std::string_view projectName);

// Whether a file name ends in the project file's extension.
bool NamedAsProjectFile(std::string_view fileName);

enum class CarriedProjectProblem {
  Unreadable, // the file's structure or the attachment's data cannot be read
  None,       // no attachment is a project
  Ambiguous,  // more than one attachment claims to be the project
};

// The bytes of the project a PDF carries: the one embedded file of the project's type related as
// the source; where there is none, as older versions attached it, the one whose name ends in the
// project file's extension.
std::variant<std::string, CarriedProjectProblem> CarriedProject(std::string_view pdf);

} // namespace project
