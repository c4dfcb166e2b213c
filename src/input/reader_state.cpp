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
    if (CurLineLen > 0) return true;
  }
  return false;
}

}  // namespace quorel
