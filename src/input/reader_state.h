// The working state of one data file read: the open file, the current line
// and the list-kind memory of the keyword normalizer.  It lives for one call
// of ReadDataFile, so a new read always starts with an empty memory.
#pragma once

#include <memory>
#include <string>

#include "model/text_file.h"

namespace quorel {

struct ReaderState {
  std::unique_ptr<TextReader> file;  // DataFileNum
  std::string CurLine;
  int CurLineLen = 0;
  std::string ListKindMemo;
  std::string WeightListKind = "Regular";

  bool AtEnd() const { return !file || file->AtEnd(); }
  // The next line, leading blanks removed and tokenized, into CurLine.
  void ReadTokenizedLine();
  // The next line after the empty ones (for a list row); false at the end of
  // the file.
  bool ReadNonEmptyRow();
};

}  // namespace quorel
