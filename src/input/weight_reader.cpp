// WEIGHTLIST and MAPWEIGHTLIST: the lower triangle of the pair weights or the
// mapping weights, diagonal included, each in [0, 1].
#include "input/list_readers.h"
#include "input/row_text.h"
#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {

void ReadWeights(Session& s, Platform& platform, ReaderState& r) {
  Problem& p = s.prob;
  const bool regular = r.WeightListKind == "Regular";
  const std::string kind = regular ? " regular" : " mapping";
  PairTable<float>& target = regular ? p.PairWeight : p.MapWeight;
  auto fail = [&](const std::string& text) {
    platform.ShowMessage(text);
    p.NObjects = 0;
  };
  for (int i = 1; i <= p.NObjects; ++i) {
    if (!r.ReadNonEmptyRow()) {
      fail("This data file does not have" + Str(p.NObjects) + " rows of" + kind +
           " weight data.  Processing will stop to let you check the data file.  ErrMsgR11A");
      return;
    }
    std::string rest = r.CurLine;
    for (int j = 1; j <= i; ++j) {
      // A token that is neither a number nor NA is a name.
      if (!StartsWithNumberChar(rest) && !StartsWithNA(rest) && !rest.empty()) {
        size_t comma = rest.find(',');
        rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
      }
      // A short row would otherwise give weights of 0 without a word.
      if (rest.empty()) {
        fail("Row" + Str(i) + " of the" + kind + " weight data holds fewer than" + Str(i) +
             " weights.  Processing will stop to let you check the data file.  ErrMsgR11B");
        return;
      }
      // The weight as stored (single) against the exact limits: 1.0001 as a
      // single is 1.00010002, above the limit, as the final check of the
      // stored table would also find.
      const float w = ValF(rest);
      if (static_cast<double>(w) > 1.0001 || static_cast<double>(w) < -0.0001) {
        fail("This data file contains an invalid" + kind + " weight in row" + Str(i) +
             ".  All weights must be [0,1].  Processing will stop to let you check the data file.  "
             "ErrMsgR11C");
        return;
      }
      target(i, j) = w;
      target(j, i) = w;
      size_t comma = rest.find(',');
      rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
    }
  }
  if (regular)
    p.PairWeightsGiven = true;
  else
    p.MapWeightsGiven = true;
}

}  // namespace quorel
