#include "output/json_text.h"

#include <cmath>
#include <cstdio>

#include "model/text_format.h"

namespace quorel {

std::string JsonNumber(float value) {
  return std::isfinite(value) ? ShortestText(value) : "null";
}

std::string JsonNumber(double value) {
  return std::isfinite(value) ? ShortestText(value) : "null";
}

std::string JsonString(std::string_view latin1) {
  std::string out = "\"";
  for (char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else if (byte < 0x80) {
      out += c;
    } else {
      // Latin-1 is the first 256 code points: two bytes of UTF-8 each.
      out += static_cast<char>(0xc0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3f));
    }
  }
  return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& values) {
  std::string out = "[";
  for (size_t k = 0; k < values.size(); ++k) out += (k ? ", " : "") + values[k];
  return out + "]";
}

JsonObject& JsonObject::Raw(std::string_view key, const std::string& json) {
  if (!members_.empty()) members_ += ", ";
  members_ += JsonString(key) + ": " + json;
  return *this;
}

}  // namespace quorel
