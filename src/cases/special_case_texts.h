// The texts of the special cases: the problem titles and subtitles the
// generator writes, and the option captions and descriptions the selection
// dialog shows.
#pragma once

#include <string>

namespace quorel {

// Title of case `case_num`; cases 11 and 14 carry their object count, as Str
// text, in front of the fixed words.
std::string SpecialCaseTitle(int case_num);
std::string SpecialCaseSubtitle(int case_num);

// Caption of the dialog's option button `case_num` (0..18).
std::string SpecialCaseOptionCaption(int case_num);

// The text shown in the description box when a case is chosen; any number
// outside 0..18 gives the selector's complaint.
std::string SpecialCaseDescription(int case_num);

inline constexpr const char* kSpecialCasesCaption = "Special Cases";
inline constexpr const char* kSpecialCasesFrameCaption = "Available Special Cases";
inline constexpr const char* kReuseRandomCaption = "Reuse Random Numbers";
inline constexpr const char* kDescriptionFrameCaption = "Selection Description";
inline constexpr const char* kSuggestionFrameCaption = "Suggestion";
inline constexpr const char* kSpecialCasesOkToolTip = "Implement all changes and exit.";
inline constexpr const char* kSpecialCasesCancelCaption = "Cancel";
inline constexpr const char* kSpecialCasesCancelToolTip = "Ignore all changes and exit.";
inline constexpr const char* kSpecialCasesSuggestion =
    "Use these special cases to confirm that QUOREL works properly and to help you understand "
    "what it means to make a two dimensional picture of objects that have multidimensional "
    "relationships.";

}  // namespace quorel
