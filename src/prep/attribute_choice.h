// The choice of the attribute-to-dissimilarity function, its data level and
// the binary conversion rule, as the Attributes dialog makes it: the rules
// that enable functions for a data level, the working copies and what OK
// stores and recomputes.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Attribute data levels (AttributeDataTypeNum).
enum AttributeDataType : int {
  kNoDataType = -1,  // nothing read yet: no level is selected, nothing is restricted
  kRatioData = 0,
  kIntervalData = 1,
  kOrdinalData = 2,
  kNominalData = 3,
  kBinaryData = 4,
  kUnknownData = 5,
};
inline constexpr int kMaxAttributeDataType = kUnknownData;

// Whether the attribute function controls (dialog and on-line button) have
// anything to act on: a problem with an attribute table.  Without one a
// computing function would mark every pair missing and wipe the proximities.
bool AttributeFunctionsAvailable(const Problem& p);

// Whether the dialog offers `function` for the data level; "(not in use)" is
// offered exactly when the file gave proximities, whatever the level.
bool AttributeFunctionEnabled(int data_type, int function, bool proximities_given);

// The working copies of the dialog.
struct AttributeChoice {
  int function = 1;
  int data_type = kUnknownData;
  int coercion = 1;
};

// The working copies as the settings stand.  Opening the dialog only shows
// them: a valid combination is never replaced by merely looking at it.
AttributeChoice LoadAttributeChoice(const Settings& t);

// The user picked a data level: the working function moves to one the level
// allows (Ratio: Cos; Interval: Euclidean unless already 1..3; Ordinal:
// Spearman; Nominal: Nominal SMC; Binary: Jaccard unless already 7 or above;
// Unknown: unchanged).
void ChooseAttributeDataType(AttributeChoice& choice, int data_type);

// The normalisation of Euclidean and City Block takes effect at once; the
// names of the functions follow when the choice is stored.
void ChooseNormalizeAttribs(Settings& t, bool normalized);

// OK: stores the working copies, recomputes the dissimilarities and what
// depends on them, and reports a data file that "(not in use)" could not
// open (the run in progress is then stopped).
void ApplyAttributeChoice(Session& s, Platform& platform, const AttributeChoice& choice);

// Texts of the dialog's description boxes, lines separated by CR LF.
std::string AttributeFunctionDescription(int function);
std::string AttributeDataTypeDescription(int data_type);

}  // namespace quorel
