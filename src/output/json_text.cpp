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
  // Escapes are plain ASCII, so the escaped text converts as a whole.
  std::string escaped;
  for (char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      escaped += '\\';
      escaped += c;
    } else if (byte < 0x20 || byte == 0x7f) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", byte);
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return "\"" + Latin1ToUtf8(escaped) + "\"";
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
