#include "host/output/JsonText.h"

#include <cstdio>
#include <regex>

namespace host {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonNumber(std::string_view text) {
  static const std::regex kNumber(R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?)");
  if (text.empty()) return "null";
  if (std::regex_match(text.begin(), text.end(), kNumber)) return std::string(text);
  return JsonString(text);
}

std::string JsonTexts(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (const std::string& text : texts) out += (out.size() > 1 ? ", " : "") + JsonString(text);
  return out + "]";
}

std::string JsonNumbers(const std::vector<std::string>& numbers) {
  std::string out = "[";
  for (const std::string& number : numbers)
    if (!number.empty()) out += (out.size() > 1 ? ", " : "") + JsonNumber(number);
  return out + "]";
}

}  // namespace host
