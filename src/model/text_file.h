// Plain single-byte text files: lines built with CR LF ends, a guarded load of
// a whole file, and a reader that takes lines ending in CR LF, LF or CR, or
// comma-separated items in the way the defaults file and the parked lists
// are read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorel {

// Builds the text of a file in memory, each line ended with CR LF; the
// whole text is then written at once by WriteFileSafely.
class TextWriter {
 public:
  // Writes the text followed by CR LF.
  void Line(std::string_view text = {});
  // Writes the text without a line end.
  void Write(std::string_view text) { text_ += text; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Longest settings or help file read whole.
inline constexpr std::uintmax_t kMaxTextFileBytes = 16u << 20;

enum class LoadOutcome {
  kLoaded,
  kMissing,
  // A folder, a FIFO, a device or a socket: never read, so that nothing
  // waits for a writer that never comes or reads without end.
  kNotARegularFile,
  kTooLarge,
  // The operating system refused; LoadedText::error holds its description.
  kFailed,
};

struct LoadedText {
  LoadOutcome outcome = LoadOutcome::kFailed;
  std::string text;
  std::string error;
};

// Reads the whole file at `path` (links followed) when it is a regular file
// of at most `max_bytes`; the size is judged before anything is read.  A
// UTF-8 byte-order mark at its start is dropped.
LoadedText LoadTextFile(const std::string& path, std::uintmax_t max_bytes);

class TextReader {
 public:
  // Loads the file at `path` (at most kMaxTextFileBytes); a file that could
  // not be loaded reads as not open.
  explicit TextReader(const std::string& path);
  // Reads `text` as the contents of a file.
  static TextReader OfText(std::string text);

  bool IsOpen() const { return open_; }
  // True when nothing is left to read.
  bool AtEnd() const { return pos_ >= text_.size(); }
  // The next line without its line end; "" at the end of the file.
  std::string ReadLine();
  // The next item: leading blanks and tabs skipped; an item in double quotes
  // runs to the closing quote and may hold commas; otherwise it runs to the
  // next comma or line end, trailing blanks removed; an empty line is an
  // empty item.  The separator after the item is consumed.  `ok` is false
  // when the file had already ended.
  std::string ReadItem(bool* ok = nullptr);

 private:
  TextReader() = default;
  static constexpr int kEnd = -1;
  int Peek() const { return AtEnd() ? kEnd : static_cast<unsigned char>(text_[pos_]); }
  int Get() { return AtEnd() ? kEnd : static_cast<unsigned char>(text_[pos_++]); }
  void SkipLineEnd(int c);

  std::string text_;
  std::size_t pos_ = 0;
  bool open_ = false;
};

}  // namespace quorel
