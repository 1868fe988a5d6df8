#pragma once

#include <string_view>

namespace qxml {

// Whether text can be an element or attribute name. ASCII follows the XML
// name rules; any non-ASCII character is accepted, as the rules accept
// nearly all of them.
inline bool IsXmlName(std::string_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    auto c = static_cast<unsigned char>(name[i]);
    bool letter =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
    bool more = (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (!letter && (i == 0 || !more)) return false;
  }
  return true;
}

}  // namespace qxml
