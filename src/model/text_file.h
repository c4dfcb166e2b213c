// Plain single-byte text files: lines built with CR LF ends, and a reader that
// takes lines ending in CR LF, LF or CR, or comma-separated items in the way
// the defaults file and the parked lists are read.
#pragma once

#include <fstream>
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

class TextReader {
 public:
  explicit TextReader(const std::string& path);
  bool IsOpen() const { return in_.is_open(); }
  // True when nothing is left to read.
  bool AtEnd();
  // The next line without its line end; "" at the end of the file.
  std::string ReadLine();
  // The next item: leading blanks and tabs skipped; an item in double quotes
  // runs to the closing quote and may hold commas; otherwise it runs to the
  // next comma or line end, trailing blanks removed; an empty line is an
  // empty item.  The separator after
  // the item is consumed.  `ok` is false when the file had already ended.
  std::string ReadItem(bool* ok = nullptr);

 private:
  int Peek();
  int Get();
  void SkipLineEnd(int c);
  std::ifstream in_;
};

}  // namespace quorel
