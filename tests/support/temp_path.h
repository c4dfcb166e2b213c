// Temporary file and folder names private to one test process, so that
// tests run in parallel never share (or delete) each other's files.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace quorel::testing {

namespace detail {

// One folder holds every temporary name of a test process; it goes when the
// process ends, so that no run leaves files behind in the temporary folder.
class ProcessFolder {
 public:
  ProcessFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("quorel-tests-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ProcessFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace detail

// A name in the process's folder ("/" in a test's name becomes "_").
inline std::filesystem::path TempPath(std::string name) {
  static const detail::ProcessFolder folder;
  std::replace(name.begin(), name.end(), '/', '_');
  return folder.path() / name;
}

// A fresh empty folder of that name, removed again with this object.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) : path_(TempPath(name)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The bytes of a file; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace quorel::testing
