#include "model/program_files.h"

#include <filesystem>
#include <system_error>

namespace quorel {
namespace {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
  std::error_code ignored;
  return fs::is_regular_file(path, ignored);
}

}  // namespace

std::string InstalledDataFolder(const std::string& program_folder) {
  if (program_folder.empty()) return "";
  fs::path bin = fs::path(program_folder).parent_path();
  if (bin.filename() != "bin") return "";
  fs::path data = bin.parent_path() / "share" / "quorel";
  std::error_code ignored;
  if (!fs::is_directory(data, ignored)) return "";
  return data.lexically_normal().string() + "/";
}

std::string ProgramFileFolder(const Session& s, const std::string& name) {
  if (!s.DataFolder.empty() && !IsFile(s.AppFolder + name) && IsFile(s.DataFolder + name))
    return s.DataFolder;
  return s.AppFolder;
}

std::string ProgramFilePath(const Session& s, const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  return ProgramFileFolder(s, name) + name;
}

}  // namespace quorel
