// A strict JSON reader for the tests: the whole text must be one valid JSON
// value (RFC 8259: no NaN, no trailing commas, no control characters in
// strings).  It flattens the value into paths and scalar texts:
// {"a": [1, {"b": "x"}]} gives "a.0" -> "1" and "a.1.b" -> "x"; null, true
// and false stay as those words, strings are decoded.
#pragma once

#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quorel::testing {

class JsonFlattener {
 public:
  explicit JsonFlattener(std::string_view text) : t_(text) {}

  std::optional<std::map<std::string, std::string>> Run() {
    if (!Value("") || (Blank(), k_ != t_.size())) return std::nullopt;
    return out_;
  }

 private:
  void Blank() {
    while (k_ < t_.size() && (t_[k_] == ' ' || t_[k_] == '\n' || t_[k_] == '\r' || t_[k_] == '\t'))
      ++k_;
  }
  bool Eat(char c) {
    Blank();
    if (k_ >= t_.size() || t_[k_] != c) return false;
    ++k_;
    return true;
  }
  static std::string Join(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
  }
  bool Value(const std::string& path) {
    Blank();
    if (k_ >= t_.size()) return false;
    const char c = t_[k_];
    if (c == '{' || c == '[') return Container(path, c == '{');
    std::string scalar;
    if (c == '"') {
      if (!String(scalar)) return false;
    } else if (!Word(scalar, "null") && !Word(scalar, "true") && !Word(scalar, "false") &&
               !Number(scalar)) {
      return false;
    }
    out_[path] = scalar;
    return true;
  }
  bool Container(const std::string& path, bool object) {
    ++k_;
    const char close = object ? '}' : ']';
    if (Eat(close)) return true;
    for (int index = 0;; ++index) {
      std::string key = std::to_string(index);
      if (object && (!(Blank(), String(key)) || !Eat(':'))) return false;
      if (!Value(Join(path, key))) return false;
      if (Eat(close)) return true;
      if (!Eat(',')) return false;
    }
  }
  bool Word(std::string& out, std::string_view word) {
    if (t_.substr(k_, word.size()) != word) return false;
    k_ += word.size();
    out = word;
    return true;
  }
  bool Digits() {
    const size_t from = k_;
    while (k_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[k_]))) ++k_;
    return k_ > from;
  }
  bool Number(std::string& out) {
    const size_t from = k_;
    if (t_[k_] == '-') ++k_;
    if (k_ < t_.size() && t_[k_] == '0')
      ++k_;
    else if (!Digits())
      return false;
    if (k_ < t_.size() && t_[k_] == '.' && (++k_, !Digits())) return false;
    if (k_ < t_.size() && (t_[k_] == 'e' || t_[k_] == 'E')) {
      ++k_;
      if (k_ < t_.size() && (t_[k_] == '+' || t_[k_] == '-')) ++k_;
      if (!Digits()) return false;
    }
    out = t_.substr(from, k_ - from);
    return true;
  }
  bool String(std::string& out) {
    if (k_ >= t_.size() || t_[k_++] != '"') return false;
    out.clear();
    while (k_ < t_.size() && t_[k_] != '"') {
      const auto c = static_cast<unsigned char>(t_[k_++]);
      if (c < 0x20) return false;
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      if (k_ >= t_.size()) return false;
      const char e = t_[k_++];
      const std::string_view simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
      if (size_t at = simple.find(e); at != std::string_view::npos) {
        out += meant[at];
      } else if (e == 'u' && k_ + 4 <= t_.size()) {
        // Code points below 0x80 only: the writers escape nothing else.
        const std::string hex(t_.substr(k_, 4));
        char* end = nullptr;
        const long code = std::strtol(hex.c_str(), &end, 16);
        if (end != hex.c_str() + 4 || hex[0] == '-' || hex[0] == '+' || code >= 0x80) return false;
        out += static_cast<char>(code);
        k_ += 4;
      } else {
        return false;
      }
    }
    return k_++ < t_.size();
  }

  std::string_view t_;
  size_t k_ = 0;
  std::map<std::string, std::string> out_;
};

inline std::optional<std::map<std::string, std::string>> FlattenJson(std::string_view text) {
  return JsonFlattener(text).Run();
}

}  // namespace quorel::testing
