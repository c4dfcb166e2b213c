#include "input/line_tokenizer.h"

namespace quorel {
namespace {

bool IsUpperLetter(unsigned char c) {
  return c >= 'A' && c <= 'Z';
}

unsigned char UpperByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// The character at 1-based position p, upper-cased, as an unsigned byte.
unsigned char At(const std::string& s, int p) {
  return UpperByte(static_cast<unsigned char>(s[p - 1]));
}

// True when the blank at p follows a whole token "NA" (a missing value), which
// is never glued to the next word.  Only a whole token counts, so that names
// such as "Ana Maria" stay one token.
bool AfterNAToken(const std::string& s, int p) {
  return p >= 3 && At(s, p - 2) == 'N' && At(s, p - 1) == 'A' && (p == 3 || At(s, p - 3) == ' ');
}

// True when the word that starts at p is the whole token "NA" (a missing
// value after a name).  The characters after p are still as read, so any
// separator ends the token.
bool NATokenAt(const std::string& s, int p) {
  const int length = static_cast<int>(s.size());
  if (p + 1 > length || At(s, p) != 'N' || At(s, p + 1) != 'A') return false;
  if (p + 2 > length) return true;
  const unsigned char next = At(s, p + 2);
  return next == ' ' || next == ',' || next == ';' || next < 21 || next > 126;
}

// Step 3 of the tokenizer: single characters changed in place, left to right.
void MarkSeparators(std::string& s) {
  const int length = static_cast<int>(s.size());
  for (int p = 1; p <= length; ++p) {
    const unsigned char c = At(s, p);
    if (c == '-' || c == '+' || c == '.') continue;
    if (c == ',' || c == ';') {
      s[p - 1] = ' ';
    } else if (c != ' ') {
      if (c < 21 || c > 126) s[p - 1] = ' ';
    } else if (p >= 2 && p <= length - 2 && At(s, p - 1) != ' ' && At(s, p + 1) != ' ' &&
               !AfterNAToken(s, p) && !NATokenAt(s, p + 1) && IsUpperLetter(At(s, p - 1)) &&
               IsUpperLetter(At(s, p + 1))) {
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
  std::string s = TrimBlanks(line);
  if (!s.empty() && s.front() == ',') s.erase(0, 1);
  if (!s.empty() && s.back() == ',') s.pop_back();
  MarkSeparators(s);
  // Runs of blanks collapse to one blank.
  std::string collapsed;
  collapsed.reserve(s.size());
  for (char c : s) {
    if (c == ' ' && !collapsed.empty() && collapsed.back() == ' ') continue;
    collapsed += c;
  }
  while (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
  for (char& c : collapsed)
    if (c == ' ') c = ',';
  line = collapsed;
  return static_cast<int>(line.size());
}

}  // namespace quorel
