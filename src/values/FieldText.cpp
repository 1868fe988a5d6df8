#include "values/FieldText.h"

namespace values {

std::string GetField(std::string_view text, int32_t index, std::string_view separator) {
  if (text.empty() || index < 0 || separator.empty()) return {};
  constexpr auto npos = std::string_view::npos;
  if (index == 0) {
    size_t end = text.find(separator);
    return end == npos ? std::string() : std::string(text.substr(0, end));
  }
  size_t start = 0;
  for (int32_t k = 0; k < index; ++k) {
    size_t at = text.find(separator, start);
    if (at == npos) return {};
    start = at + separator.size();
  }
  size_t end = text.find(separator, start);
  return std::string(text.substr(start, end == npos ? npos : end - start));
}

std::string EnumNameOf(std::string_view key, std::string_view enumDesc) {
  std::string_view rest = enumDesc;
  while (!key.empty() && !rest.empty()) {
    size_t end = rest.find(';');
    std::string_view entry = rest.substr(0, end);
    size_t comma = entry.find(',');
    if (comma != std::string_view::npos && entry.substr(0, comma) == key)
      return std::string(entry.substr(comma + 1));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return {};
}

std::vector<EnumMember> EnumMembers(std::string_view enumDesc) {
  std::vector<EnumMember> members;
  std::string_view rest = enumDesc;
  while (!rest.empty()) {
    size_t end = rest.find(';');
    std::string_view entry = rest.substr(0, end);
    size_t comma = entry.find(',');
    if (comma != std::string_view::npos)
      members.push_back(
          {std::string(entry.substr(0, comma)), std::string(entry.substr(comma + 1))});
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return members;
}

}  // namespace values
