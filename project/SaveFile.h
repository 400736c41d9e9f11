// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace project {

// The last line of a failed save's message when a file of that name was there before.
inline constexpr std::string_view kOldFileKept = "ไฟล์เดิมยังอยู่ครบ ไม่ถูกแก้ไข";

// A save that did not happen; the file it was to replace is as it was.
class SaveError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Replaces the file at `path` with `bytes` so that it is never half written: the bytes go to a
// temporary file beside it, reach the disk, and only then take its name. A symbolic link is
// followed and keeps pointing at the new file; a replaced file keeps its permissions, and one the
// user may not write is refused. On any failure the temporary file is removed, the old file stays
// intact, and SaveError says which step failed and why.
void SaveFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Throws the SaveError a save to `path` would meet at once (a read-only file, a folder that is
// missing or may not be written), so that a long output can be refused before it is made.
void CheckCanSave(const std::filesystem::path& path);

} // namespace project
