// Temporary file and folder names private to one test process, so that
// tests run in parallel never share (or delete) each other's files.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace quorel::testing {

inline std::filesystem::path TempPath(const std::string& name) {
  return std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-" + name);
}

}  // namespace quorel::testing
