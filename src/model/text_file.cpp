#include "model/text_file.h"

namespace quorel {

void TextWriter::Line(std::string_view text) {
  text_ += text;
  text_ += "\r\n";
}

TextReader::TextReader(const std::string& path) : in_(path, std::ios::binary) {}

int TextReader::Peek() {
  return in_.peek();
}
int TextReader::Get() {
  return in_.get();
}

bool TextReader::AtEnd() {
  if (!in_.is_open()) return true;
  return Peek() == std::char_traits<char>::eof();
}

void TextReader::SkipLineEnd(int c) {
  if (c == '\r' && Peek() == '\n') Get();
}

std::string TextReader::ReadLine() {
  std::string line;
  if (!in_.is_open()) return line;
  for (;;) {
    int c = Get();
    if (c == std::char_traits<char>::eof()) break;
    if (c == '\n') break;
    if (c == '\r') {
      SkipLineEnd(c);
      break;
    }
    line += static_cast<char>(c);
  }
  return line;
}

std::string TextReader::ReadItem(bool* ok) {
  const int eof = std::char_traits<char>::eof();
  if (ok) *ok = !AtEnd();
  std::string item;
  if (!in_.is_open()) return item;
  // Leading blanks are skipped; an empty line gives an empty item.
  while (Peek() == ' ' || Peek() == '\t') Get();
  if (Peek() == eof) {
    if (ok) *ok = false;
    return item;
  }
  if (Peek() == '"') {
    Get();
    for (int c = Get(); c != eof && c != '"'; c = Get()) item += static_cast<char>(c);
    // Drop everything up to and including the separator.
    for (int c = Peek(); c != eof; c = Peek()) {
      Get();
      if (c == ',' || c == '\n') break;
      if (c == '\r') {
        SkipLineEnd(c);
        break;
      }
    }
    return item;
  }
  for (int c = Get(); c != eof; c = Get()) {
    if (c == ',' || c == '\n') break;
    if (c == '\r') {
      SkipLineEnd(c);
      break;
    }
    item += static_cast<char>(c);
  }
  while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
  return item;
}

}  // namespace quorel
