// Helpers that cut the tokenized rows of the lists: names, tokens, digit
// counts.
#pragma once

#include <string>
#include <string_view>

namespace quorel {

// True when the first character starts a number: codes 43..57 ("+", ",",
// "-", ".", "/" or a digit).
bool StartsWithNumberChar(std::string_view row);

// True when the first two characters, upper-cased, are "NA".
bool StartsWithNA(std::string_view text);

// A name cut from a row: a leading apostrophe (codes 39, 96 or 146) dropped
// and up to 10 "@" turned back into blanks.
std::string NameFromToken(const std::string& token);

// The text from `pos` up to and including the next comma (or to the end);
// `pos` moves past it.  The token is a view into `row`.
std::string_view NextToken(std::string_view row, size_t& pos);

// Digits of a proximity value: the Str text's length less 2 with a ".", less
// 1 without.  Attribute values also subtract 4 more when the text holds "E".
int ProximityDigits(float value);
int AttributeDigits(float value);

// The level implied by the largest digit count.
int DegradeLevelFromDigits(int digits);

}  // namespace quorel
