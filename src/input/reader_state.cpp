#include "input/reader_state.h"

#include "input/line_tokenizer.h"

namespace quorel {

void ReaderState::ReadTokenizedLine() {
  std::string line = file ? file->ReadLine() : std::string();
  size_t first = line.find_first_not_of(' ');
  CurLine = first == std::string::npos ? std::string() : line.substr(first);
  CurLineLen = TokenizeLine(CurLine);
}

bool ReaderState::ReadNonEmptyRow() {
  while (!AtEnd()) {
    ReadTokenizedLine();
    // A row that began with a separator (", 3") would read its first value
    // as 0 from the leading comma: the comma separates nothing and goes.
    if (!CurLine.empty() && CurLine.front() == ',') {
      CurLine.erase(0, 1);
      CurLineLen = static_cast<int>(CurLine.size());
    }
    if (CurLineLen > 0) return true;
  }
  return false;
}

}  // namespace quorel
