// JSON text for scripts and notebooks: numbers as the shortest text that
// reads back as the same value, null for NaN and infinity (which JSON cannot
// hold), and the program's single-byte (Latin-1) strings as escaped UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorel {

std::string JsonNumber(float value);
std::string JsonNumber(double value);
std::string JsonString(std::string_view latin1);
// "[a, b, c]" of values that are JSON text already.
std::string JsonArray(const std::vector<std::string>& values);

// One JSON object, its members in the order added: {"n": 6, "rsq": 0.93}.
class JsonObject {
 public:
  // A member whose value is JSON text already (an object, an array).
  JsonObject& Raw(std::string_view key, const std::string& json);
  JsonObject& Number(std::string_view key, float value) { return Raw(key, JsonNumber(value)); }
  JsonObject& Integer(std::string_view key, long value) { return Raw(key, std::to_string(value)); }
  JsonObject& Bool(std::string_view key, bool value) { return Raw(key, value ? "true" : "false"); }
  JsonObject& String(std::string_view key, std::string_view latin1) {
    return Raw(key, JsonString(latin1));
  }
  std::string Text() const { return "{" + members_ + "}"; }

 private:
  std::string members_;
};

}  // namespace quorel
