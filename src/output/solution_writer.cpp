#include "output/solution_writer.h"

#include <filesystem>
#include <system_error>

#include "model/text_file.h"
#include "output/name_column.h"
#include "output/solution_sections.h"

namespace quorel {
namespace {

std::string WriteFailedMessage(const std::string& file_name) {
  return "The solution file " + file_name +
         " could not be written.  The folder may not exist or may be read-only, or the disk may "
         "be full.  Any earlier file of that name was left unchanged.  ErrMsgW1";
}

// The temporary file sits in the target's folder so that the final rename
// never crosses file systems.
std::string TemporaryName(const std::string& file_name) {
  return file_name + ".tmp~";
}

bool WriteBody(const std::string& path, Session& s, const std::string& file_name,
               const DateTime& when, bool long_format) {
  TextWriter out(path);
  if (!out.IsOpen()) return false;
  NameColumn names(s);
  output::WriteHeader(out, s, file_name, when);
  output::WriteSolutionPart(out, s, names);
  if (long_format) output::WriteInputSection(out, s, names);
  return out.Close();
}

}  // namespace

bool WriteSolution(Session& s, Platform& platform, const std::string& file_name, bool long_format) {
  std::string temporary = TemporaryName(file_name);
  bool ok = WriteBody(temporary, s, file_name, platform.Now(), long_format);
  std::error_code error;
  if (ok) {
    std::filesystem::rename(temporary, file_name, error);
    ok = !error;
  }
  if (!ok) {
    // Remove what this write left behind, but never a folder of that name.
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(temporary, error)))
      std::filesystem::remove(temporary, error);
    platform.ShowMessage(WriteFailedMessage(file_name));
    return false;
  }
  platform.PlayClickSound();
  return true;
}

}  // namespace quorel
