// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/LoadErrors.h"
#include "project/Project.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace project {

inline constexpr std::string_view kProjectFileExtension = ".pipecolumn";
// The layout this program writes and the newest it reads.
inline constexpr int kProjectFileSchema = 1;
// The header's optional key for the engineer's licence number.
inline constexpr std::string_view kLicenceNumberKey = "licence_number";

// A file read whole, or every problem found in it and nothing of it.
using ProjectLoad = std::variant<Project, LoadErrors>;

// The project file: pretty-printed UTF-8 JSON with the schema, the header and the columns'
// marks and inputs (never results, which the program recomputes). Throws std::invalid_argument
// when a text of the project is not UTF-8.
// A document that carries the project names the program that wrote it in `writtenBy`.
std::string ProjectFileBytes(const Project& project, std::string_view writtenBy = {});

// The program that wrote the project file, as ProjectFileBytes was told, when the bytes say so.
std::optional<std::string> WriterOfProjectFile(std::string_view bytes);

// Reads a project file's bytes. Every value is judged as the prompts judge an answer, and the
// file is refused when anything is missing, of the wrong kind, out of range or newer than this
// program, or when an object has a key written twice. `fileName` is how the messages name the file.
ProjectLoad ReadProjectFile(std::string_view bytes, std::string_view fileName);

} // namespace project
