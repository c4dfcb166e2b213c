// STARTPARKEDOBJECTSLIST and STARTPARKEDATTRIBUTESLIST: one item of numbers
// separated by blanks naming the objects or attributes parked at the start.
#include <vector>

#include "input/line_tokenizer.h"
#include "input/list_readers.h"
#include "input/row_text.h"
#include "model/numeric.h"

namespace quorel {
namespace {

struct ParkedList {
  int max_items;  // items tried for a non-empty one
  int count;      // NObjects or NAttributes
  std::vector<Flag>& flags;
  std::string missing_text;
  std::string invalid_text;
  std::string code_prefix;  // "ErrMsgR14" or "ErrMsgR15"
};

void ReadParkedList(Platform& platform, ReaderState& r, ParkedList list) {
  std::string item;
  for (int tries = 0; tries < list.max_items && !r.AtEnd(); ++tries) {
    item = TrimBlanks(r.file->ReadItem());
    if (!item.empty()) break;
  }
  if (item.empty()) {
    platform.ShowMessage(list.missing_text + list.code_prefix + "A");
    return;
  }
  TokenizeLine(item);
  size_t pos = 0;
  std::vector<int> set_here;
  auto take = [&](std::string_view token, const char* code) {
    // Out-of-range and absurd numbers alike are refused before indexing.
    const double value = RoundHalfEven(Val(token));
    if (!(value >= 0 && value <= list.count)) {
      platform.ShowMessage(list.invalid_text + list.code_prefix + code);
      for (int k : set_here) list.flags[k] = 0;
      return false;
    }
    const int k = static_cast<int>(value);
    if (k > 0 && !list.flags[k]) {
      list.flags[k] = 1;
      set_here.push_back(k);
    }
    return true;
  };
  if (!take(NextToken(item, pos), "B")) return;
  for (int n = 1; n <= list.count - 1; ++n) {
    std::string_view token = NextToken(item, pos);
    if (token.empty()) break;
    if (!take(token, "C")) return;
  }
}

}  // namespace

void ReadParkedObjects(Session& s, Platform& platform, ReaderState& r) {
  Problem& p = s.prob;
  if (p.KeepObjSetup) return;
  ReadParkedList(
      platform, r,
      {5, p.NObjects, p.ObjParked,
       "This data file does not have a row of object numbers following the keyword "
       "STARTPARKEDOBJECTSLIST used to identify the objects that are initially parked.  Processing "
       "will continue and no objects will be parked.   ",
       "This data file has an invalid object number in the row of object numbers following the "
       "keyword STARTPARKEDOBJECTSLIST used to identify the objects that are initially parked.  "
       "Processing will continue and no objects will be parked.   ",
       "ErrMsgR14"});
  p.NParkedObjects = 0;
  for (int i = 1; i <= p.NObjects; ++i) p.NParkedObjects += p.ObjParked[i] ? 1 : 0;
}

void ReadParkedAttributes(Session& s, Platform& platform, ReaderState& r) {
  Problem& p = s.prob;
  if (p.KeepObjSetup) return;
  ReadParkedList(
      platform, r,
      {15, p.NAttributes, p.AttribParked,
       "This data file does not have a row of attribute numbers following the keyword "
       "STARTPARKEDATTRIBUTESLIST used to identify the attributes that are initially parked.  "
       "Processing will continue and no attributes will be parked.   ",
       "This data file has an invalid attribute number in the row of attribute numbers following "
       "the keyword STARTPARKEDATTRIBUTESLIST used to identify the attributes that are initially "
       "parked.  Processing will continue and no attributes will be parked.   ",
       "ErrMsgR15"});
}

}  // namespace quorel
