// The object name column that leads every table row of a solution file.
#pragma once

#include <string>
#include <vector>

#include "model/session.h"

namespace quorel {

// W is the length of the longest object name, at most 10.  With W > 0 every
// row starts with the name cut to W characters, padded to W, and ", ".
//
// The long format is read back by the data file reader, which tokenizes each
// row, so a name is written in a form that reads back as the same name:
//  - a blank the tokenizer would not glue into the name (next to a non-letter,
//    or after "NA") is written "@", which the reader turns back into a blank;
//    commas, semicolons and characters outside 32..126 are written "@" too
//    (they come back as blanks);
//  - a name that would not be taken for a name is led by an apostrophe, which
//    the reader drops: an empty name, a name starting with a number character
//    or an apostrophe, with "NA", or with a keyword the reader acts on;
//  - with W = 0 but a table row that would begin with "NA" (a missing value
//    in column 1), every row is led by "', " so that the "NA" is not taken
//    for a name.
class NameColumn {
 public:
  explicit NameColumn(const Session& s);

  int Width() const { return width_; }
  bool Active() const { return width_ > 0 || guarded_; }
  // The leading text of object i's rows ("" when the column is not written).
  const std::string& Cell(int i) const { return cells_[i]; }

  // The written form of one name (without padding or ", ").
  static std::string EncodeName(const std::string& name);

 private:
  int width_ = 0;
  bool guarded_ = false;
  std::vector<std::string> cells_;
};

}  // namespace quorel
