#include "input/line_tokenizer.h"

namespace quorel {
namespace {

bool IsUpperLetter(unsigned char c) {
  return c >= 'A' && c <= 'Z';
}

unsigned char UpperByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// True when the blank at p follows a whole token "NA" (a missing value), which
// is never glued to the next word.  Only a whole token counts, so that names
// such as "Ana Maria" stay one token.  `s` points at position 1.
bool AfterNAToken(const char* s, int p) {
  auto at = [&](int q) { return UpperByte(static_cast<unsigned char>(s[q - 1])); };
  return p >= 3 && at(p - 2) == 'N' && at(p - 1) == 'A' && (p == 3 || at(p - 3) == ' ');
}

// True when the word that starts at p is the whole token "NA" (a missing
// value after a name).  The characters after p are still as read, so any
// separator ends the token.
bool NATokenAt(const char* s, int length, int p) {
  auto at = [&](int q) { return UpperByte(static_cast<unsigned char>(s[q - 1])); };
  if (p + 1 > length || at(p) != 'N' || at(p + 1) != 'A') return false;
  if (p + 2 > length) return true;
  const unsigned char next = at(p + 2);
  return next == ' ' || next == ',' || next == ';' || next < 21 || next > 126;
}

// Step 3 of the tokenizer on the `length` characters at `s` (position 1):
// single characters changed in place, left to right, so that each test sees
// the characters before it as already changed.
void MarkSeparators(char* s, int length) {
  for (int p = 1; p <= length; ++p) {
    const unsigned char raw = static_cast<unsigned char>(s[p - 1]);
    // The common case first: a printable character other than the
    // separators stays as it is.
    if (raw > ' ' && raw <= 126 && raw != ',' && raw != ';') continue;
    const unsigned char c = UpperByte(raw);
    if (c == '-' || c == '+' || c == '.') continue;
    if (c == ',' || c == ';') {
      s[p - 1] = ' ';
    } else if (c != ' ') {
      if (c < 21 || c > 126) s[p - 1] = ' ';
    } else if (p >= 2 && p <= length - 2 && s[p - 2] != ' ' && s[p] != ' ' &&
               IsUpperLetter(UpperByte(static_cast<unsigned char>(s[p - 2]))) &&
               IsUpperLetter(UpperByte(static_cast<unsigned char>(s[p]))) && !AfterNAToken(s, p) &&
               !NATokenAt(s, length, p + 1)) {
      s[p - 1] = '@';
    }
  }
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string UpperAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return text;
}

int TokenizeLine(std::string& line) {
  // Works in place: the blanks trimmed and one leading and one trailing comma
  // dropped, the separators marked, then runs of blanks written as one comma
  // over the front of the same text.
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) {
    line.clear();
    return 0;
  }
  size_t begin = first;
  size_t end = line.find_last_not_of(' ') + 1;
  if (line[begin] == ',') ++begin;
  if (end > begin && line[end - 1] == ',') --end;
  MarkSeparators(line.data() + begin, static_cast<int>(end - begin));
  size_t out = 0;
  for (size_t k = begin; k < end; ++k) {
    const char c = line[k];
    if (c == ' ' && out > 0 && line[out - 1] == ',') continue;
    line[out++] = c == ' ' ? ',' : c;
  }
  // Every comma of the text became a blank above, so a comma written here
  // always stands for blanks: the trailing ones go.
  while (out > 0 && line[out - 1] == ',') --out;
  line.resize(out);
  return static_cast<int>(out);
}

}  // namespace quorel
