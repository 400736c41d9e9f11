// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace project {

// A save that did not happen; the file it was to replace is as it was.
class SaveError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Replaces the file at `path` with `bytes` so that it is never half written: the bytes go to a
// temporary file beside it, reach the disk, and only then take its name. A symbolic link is
// followed and keeps pointing at the new file; a replaced file keeps its permissions. On any
// failure the temporary file is removed, the old file stays intact, and SaveError says which
// step failed and why.
void SaveFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace project
