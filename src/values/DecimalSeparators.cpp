#include "values/DecimalSeparators.h"

#include "values/MMain.h"
#include "values/NumberRules.h"

namespace values {

void InitDecimalSeparators() {
  bool comma = ProcessLocaleUsesDecimalComma();
  Shared().localeDecimalSeparator = comma ? "," : ".";
  Shared().alternateDecimalSeparator = comma ? "." : ",";
}

namespace {
std::string WithSeparator(std::string_view text, std::string_view separator) {
  size_t at = text.find('.');
  if (at == std::string_view::npos) at = text.find(',');
  if (at == std::string_view::npos) return std::string(text);
  std::string out(text.substr(0, at));
  out += separator;
  out += text.substr(at + 1);
  return out;
}
}  // namespace

std::string LocaliseNumberText(std::string_view text) {
  return WithSeparator(text, Shared().localeDecimalSeparator);
}

std::string WithDecimalPoint(std::string_view text) {
  return WithSeparator(text, ".");
}

}  // namespace values
