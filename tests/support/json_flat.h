// The JSON the program writes, read strictly (RFC 8259: no NaN, no trailing
// commas, no control characters in strings, valid UTF-8) and flattened into
// paths and scalar texts: {"a": [1, {"b": "x"}]} gives "a.0" -> "1" and
// "a.1.b" -> "x"; null, true and false stay as those words, strings are
// decoded.  Nothing when the text is not one valid JSON value.
#pragma once

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace quorel::testing {

inline std::optional<std::map<std::string, std::string>> FlattenJson(std::string_view text) {
  const nlohmann::json value = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (value.is_discarded()) return std::nullopt;
  std::map<std::string, std::string> fields;
  const nlohmann::json flat = value.flatten();
  for (auto item = flat.begin(); item != flat.end(); ++item) {
    const std::string pointer = item.key();
    const nlohmann::json& scalar = item.value();
    // An empty container flattens to a null: it has no scalar to give.
    if (scalar.is_null() && !value.at(nlohmann::json::json_pointer(pointer)).is_null()) continue;
    std::string path = pointer.empty() ? pointer : pointer.substr(1);  // "/a/1/b" -> "a.1.b"
    std::replace(path.begin(), path.end(), '/', '.');
    fields[path] = scalar.is_string() ? scalar.get<std::string>() : scalar.dump();
  }
  return fields;
}

}  // namespace quorel::testing
