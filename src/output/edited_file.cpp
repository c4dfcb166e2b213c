#include "output/edited_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "input/data_file_reader.h"
#include "model/safe_write.h"

namespace quorel {
namespace {

const char* LineEndBytes(LineEnd line_end) {
  switch (line_end) {
    case LineEnd::kLf:
      return "\n";
    case LineEnd::kCr:
      return "\r";
    case LineEnd::kCrLf:
      break;
  }
  return "\r\n";
}

// An empty text has no line to end.
bool NeedsFinalLineEnd(std::string_view lines) {
  return !lines.empty() && lines.back() != '\n';
}

std::string WriteFailedMessage(const std::string& file_name, WriteOutcome outcome) {
  if (outcome == WriteOutcome::kNotARegularFile)
    return "The file " + file_name +
           " could not be saved: that name belongs to a folder or a device, not to a file.  "
           "Nothing was changed.  ErrMsgW2";
  return "The file " + file_name +
         " could not be saved.  The folder may not exist or may be read-only, or the disk may be "
         "full.  Any earlier file of that name was left unchanged.  ErrMsgW2";
}

// Reads at most `limit` bytes of the file; the file's whole size goes to
// `size`.  False with the operating system's description on failure.
bool ReadHead(const std::string& path, std::size_t limit, std::string* bytes, std::uintmax_t* size,
              std::string* io_error) {
  std::error_code error;
  // A folder or a device is no text: reading a pipe could wait for ever.
  if (!std::filesystem::is_regular_file(path, error)) {
    *io_error = error ? error.message() : "The name does not belong to a file";
    return false;
  }
  *size = std::filesystem::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  if (error || !in) {
    *io_error = error ? error.message() : std::strerror(errno ? errno : EIO);
    return false;
  }
  bytes->resize(static_cast<std::size_t>(std::min<std::uintmax_t>(*size, limit)));
  in.read(bytes->data(), static_cast<std::streamsize>(bytes->size()));
  bytes->resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) {
    *io_error = std::strerror(errno ? errno : EIO);
    return false;
  }
  return true;
}

}  // namespace

std::string FileTooLargeMessage(const std::string& file_name) {
  return "The file, " + file_name +
         ", is too large to view in a text box.  The first part will be shown.  You will not be "
         "able to save editing changes. ";
}

std::string EditorLines(std::string_view file_bytes) {
  std::string lines;
  lines.reserve(file_bytes.size());
  for (std::size_t k = 0; k < file_bytes.size(); ++k) {
    char c = file_bytes[k];
    if (c != '\r') {
      lines += c;
      continue;
    }
    lines += '\n';
    if (k + 1 < file_bytes.size() && file_bytes[k + 1] == '\n') ++k;
  }
  return lines;
}

LineEnd FileLineEnd(std::string_view file_bytes) {
  std::size_t end = file_bytes.find_first_of("\r\n");
  if (end == std::string_view::npos) return LineEnd::kCrLf;
  if (file_bytes[end] == '\n') return LineEnd::kLf;
  bool followed_by_lf = end + 1 < file_bytes.size() && file_bytes[end + 1] == '\n';
  // A CR cut off by the size limit may have had its LF after it.
  bool at_end = end + 1 == file_bytes.size();
  return followed_by_lf || at_end ? LineEnd::kCrLf : LineEnd::kCr;
}

std::string FileBytes(std::string_view lines, LineEnd line_end) {
  const char* end = LineEndBytes(line_end);
  std::string bytes;
  bytes.reserve(lines.size() + lines.size() / 16 + 2);
  for (char c : lines) {
    if (c == '\n')
      bytes += end;
    else
      bytes += c;
  }
  if (NeedsFinalLineEnd(lines)) bytes += end;
  return bytes;
}

TextBoxPlace PlaceTextBox(int inner_width, int inner_height) {
  constexpr int kLeft = 300;
  constexpr int kTop = 100;
  return {kLeft, kTop, std::max(0, inner_width - kLeft), std::max(0, inner_height - kTop)};
}

std::optional<std::string> EditedFile::Load(const std::string& path, Platform& platform) {
  std::string bytes;
  std::uintmax_t size = 0;
  std::string io_error;
  if (!ReadHead(path, kMaxEditorBytes, &bytes, &size, &io_error)) {
    platform.ShowMessage(ReadFailureMessage(io_error, path));
    return std::nullopt;
  }
  truncated_ = size > kMaxEditorBytes;
  if (truncated_) platform.ShowMessage(FileTooLargeMessage(path));
  file_name_ = path;
  line_end_ = FileLineEnd(bytes);
  return EditorLines(bytes);
}

bool EditedFile::Write(const std::string& path, std::string_view lines, Platform& platform) {
  // A cut file would lose everything after the cut.
  if (!CanSave()) return false;
  if (path.empty()) {
    platform.Beep();
    return false;
  }
  WriteOutcome outcome = WriteFileSafely(path, FileBytes(lines, line_end_));
  if (outcome != WriteOutcome::kWritten) {
    platform.ShowMessage(WriteFailedMessage(path, outcome));
    return false;
  }
  platform.PlayClickSound();
  return true;
}

bool EditedFile::Save(std::string_view lines, Platform& platform) {
  return Write(file_name_, lines, platform);
}

bool EditedFile::SaveAs(const std::string& chosen, std::string_view lines, Platform& platform) {
  if (chosen.empty()) return false;
  if (!Write(chosen, lines, platform)) return false;
  file_name_ = chosen;
  return true;
}

bool EditedFile::SaveExitRead(Session& s, std::string_view lines, Platform& platform) {
  if (!CanSaveExitRead() || !Save(lines, platform)) return false;
  s.set.DataFileName = file_name_;
  s.ui.ReadWithoutDialog = true;
  return true;
}

}  // namespace quorel
