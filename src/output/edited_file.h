// The file behind the text reader and editor: loading it within the size
// limit, the line ends it is written back with, which save commands it
// allows, and the save commands themselves.  Text is single-byte: the bytes
// of the file are shown and written back as they are.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// At most this many bytes of a file are loaded; a longer file is shown cut
// and cannot be saved from the reader.
inline constexpr std::size_t kMaxEditorBytes = 40000;

enum class LineEnd { kCrLf, kLf, kCr };

// The message for a file shown cut.
std::string FileTooLargeMessage(const std::string& file_name);

// The bytes of a file as the editor shows them: every line end (CR LF, LF or
// a lone CR) becomes "\n".  The file's own line end is the first one found,
// CR LF for a file without one.
std::string EditorLines(std::string_view file_bytes);
LineEnd FileLineEnd(std::string_view file_bytes);

// The bytes written for the editor's text: each "\n" becomes `line_end`, and
// one line end is added when the text does not already end with one (an
// empty text stays empty).
std::string FileBytes(std::string_view lines, LineEnd line_end);

// The reader's text box, in twips: its top-left corner stays at (300, 100) in
// the window's inner area and it fills the rest; a tiny or minimized window
// gives it no room, never a negative size.
struct TextBoxPlace {
  int left, top, width, height;
};
TextBoxPlace PlaceTextBox(int inner_width, int inner_height);

class EditedFile {
 public:
  // `reloadable`: the caller reads the file as the problem again when the
  // reader closes with SaveExit&Read.
  explicit EditedFile(bool reloadable) : reloadable_(reloadable) {}

  // Loads `path` (at most kMaxEditorBytes of it) and returns its text as
  // EditorLines gives it; `path` becomes the file saved to.  A longer file
  // shows the too-large message first.  A file that cannot be read is
  // reported and nothing changes (nullopt).
  std::optional<std::string> Load(const std::string& path, Platform& platform);

  const std::string& FileName() const { return file_name_; }
  bool Truncated() const { return truncated_; }

  // The entries a cut file disables: Save, Save As and SaveExit&Read;
  // SaveExit&Read also needs a file its caller reads again.
  bool CanSave() const { return !truncated_; }
  bool CanSaveExitRead() const { return reloadable_ && !truncated_; }

  // Writes `lines` to the current file through the safe-write helper, then
  // plays the click sound.  Without a file name it beeps; a failed write is
  // reported.  True when the file was written.
  bool Save(std::string_view lines, Platform& platform);
  // Writes to `chosen` (a Save As dialog's answer; empty for Cancel, which
  // changes nothing); after a successful write `chosen` is the current file.
  bool SaveAs(const std::string& chosen, std::string_view lines, Platform& platform);
  // Saves; when written, the file becomes DataFileName and the caller is
  // asked to read it again (ReadWithoutDialog).  True when the reader closes.
  bool SaveExitRead(Session& s, std::string_view lines, Platform& platform);

 private:
  bool Write(const std::string& path, std::string_view lines, Platform& platform);

  bool reloadable_;
  std::string file_name_;
  LineEnd line_end_ = LineEnd::kCrLf;
  bool truncated_ = false;
};

}  // namespace quorel
