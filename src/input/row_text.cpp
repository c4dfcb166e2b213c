#include "input/row_text.h"

#include "input/line_tokenizer.h"
#include "model/text_format.h"

namespace quorel {

bool StartsWithNumberChar(const std::string& row) {
  if (row.empty()) return false;
  unsigned char c = static_cast<unsigned char>(row[0]);
  return c >= 43 && c <= 57;
}

bool StartsWithNA(const std::string& text) {
  return text.size() >= 2 && UpperAscii(text.substr(0, 2)) == "NA";
}

std::string NameFromToken(const std::string& token) {
  std::string name = token;
  if (!name.empty()) {
    unsigned char c = static_cast<unsigned char>(name[0]);
    if (c == 39 || c == 96 || c == 146) name.erase(0, 1);
  }
  int turned = 0;
  for (char& c : name) {
    if (turned == 10) break;
    if (c == '@') {
      c = ' ';
      ++turned;
    }
  }
  return name;
}

std::string NextToken(const std::string& row, size_t& pos) {
  if (pos >= row.size()) return "";
  size_t comma = row.find(',', pos);
  size_t end = comma == std::string::npos ? row.size() : comma + 1;
  std::string token = row.substr(pos, end - pos);
  pos = end;
  return token;
}

int ProximityDigits(float value) {
  std::string text = Str(value);
  int length = static_cast<int>(text.size());
  return text.find('.') != std::string::npos ? length - 2 : length - 1;
}

int AttributeDigits(float value) {
  std::string text = Str(value);
  int length = static_cast<int>(text.size());
  if (text.find('E') != std::string::npos) return length - 6;
  return text.find('.') != std::string::npos ? length - 2 : length - 1;
}

int DegradeLevelFromDigits(int digits) {
  if (digits < 1) return 1;
  if (digits > 7) return 12;
  return digits + 5;
}

}  // namespace quorel
