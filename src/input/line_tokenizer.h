// The two line preparations of the data file: the row tokenizer that turns a
// free-form data row into comma-separated tokens, and the keyword normalizer
// that rewrites the keyword lines of other scaling programs.
#pragma once

#include <string>

namespace quorel {

// Rewrites `line` into tokens separated by single commas: blanks, commas,
// semicolons and characters outside codes 21..126 separate tokens; a single
// blank between two letters (not after "NA") is kept as "@" so that a name of
// several words stays one token.  Returns the new length (CurLineLen).
int TokenizeLine(std::string& line);

// Rewrites a keyword line of another scaling program into this program's
// keyword (case-sensitive prefixes such as "RUN NAME" or "N OF CASES").
// `list_kind_memo` remembers the list named by a PARAMETERS line for a later
// READ MATRIX line.
void NormalizeKeywordLine(std::string& line, std::string& list_kind_memo);

// Blanks removed from both ends (only the blank character, as VB's Trim).
std::string TrimBlanks(const std::string& text);

// ASCII upper case; bytes above 127 are left alone.
std::string UpperAscii(std::string text);

}  // namespace quorel
