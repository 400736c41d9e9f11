// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileReading.h"

#include "app/Commands.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace app {

std::string ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    throw std::runtime_error("it is a folder");
  }
  std::ifstream file(path, std::ios::binary);
  std::string bytes;
  if (file) {
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  if (!file.is_open() || file.bad()) {
    throw std::runtime_error(std::strerror(errno));
  }
  return bytes;
}

std::optional<std::string> ReadInputFile(const std::string& path, std::ostream& err) {
  try {
    return ReadWholeFile(path);
  } catch (const std::runtime_error& caught) {
    err << kProgram << ": cannot read " << path << ": " << caught.what() << "\n";
    return std::nullopt;
  }
}

} // namespace app
