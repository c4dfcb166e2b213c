// OBJECTNAMESLIST: one name per line, the whole trimmed line (commas and
// blanks allowed).
#include "input/line_tokenizer.h"
#include "input/list_readers.h"
#include "model/text_format.h"

namespace quorel {
namespace {

void EmptyAllNames(Problem& p) {
  for (int i = 1; i <= kMaxObjects; ++i) p.ObjName[i].clear();
}

bool StartsWithApostrophe(const std::string& line) {
  if (line.empty()) return false;
  unsigned char c = static_cast<unsigned char>(line[0]);
  return c == 39 || c == 96 || c == 146;
}

}  // namespace

void ReadObjectNames(Session& s, Platform& platform, ReaderState& r) {
  Problem& p = s.prob;
  EmptyAllNames(p);
  for (int i = 1; i <= p.NObjects; ++i) {
    std::string name;
    for (;;) {
      if (r.AtEnd()) {
        platform.ShowMessage(
            "Your data file does not have" + Str(p.NObjects) +
            " object names (labels) even though it has an OBJECTNAMESLIST keyword.  This error "
            "can be caused by putting the first name on the same line as the names keyword, or by "
            "trying to to enter a 'blank' name by putting a blank line in the names list.  All "
            "blank lines are ignored.  To leave an objected unnamed enter a line with an "
            "apostrophe followed by a space in the appropriate place in your names list.  "
            "Processing will continue but all object name information will lost including any "
            "names entered with the (dis)similarity or attribute data.  ErrMsg16C");
        EmptyAllNames(p);
        p.ObjNamesGiven = false;
        return;
      }
      std::string line = r.file->ReadLine();
      name = TrimBlanks(line);
      if (name.empty()) continue;
      if (StartsWithApostrophe(line)) {
        name.erase(0, 1);
        if (name.empty()) name = " ";
      }
      break;
    }
    p.ObjName[i] = name;
  }
  // Names given here count as given, whichever list comes first.
  p.ObjNamesGiven = false;
  for (int i = 1; i <= p.NObjects; ++i)
    if (!TrimBlanks(p.ObjName[i]).empty()) p.ObjNamesGiven = true;
}

}  // namespace quorel
