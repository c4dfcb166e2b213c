// Plain single-byte text files: lines written with CR LF, and a reader that
// takes lines ending in CR LF, LF or CR, or comma-separated items in the way
// the defaults file and the parked lists are read.
#pragma once

#include <fstream>
#include <string>

namespace quorel {

class TextWriter {
 public:
  explicit TextWriter(const std::string& path);
  bool IsOpen() const { return out_.is_open(); }
  // Writes the text followed by CR LF.
  void Line(const std::string& text = "");
  // Writes the text without a line end.
  void Write(const std::string& text);
  // Flushes and closes; false when anything failed to reach the file.
  bool Close();

 private:
  std::ofstream out_;
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
