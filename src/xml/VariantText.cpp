#include "xml/VariantText.h"

#include <cstdio>

namespace qxml {

std::optional<std::string> VariantToText(const VARIANT& value) {
  switch (value.vt) {
    case VT_EMPTY:
      return std::string();
    case VT_BSTR:
      return qcom::BstrToUtf8(value.bstrVal);
    case VT_I2:
      return std::to_string(value.iVal);
    case VT_I4:
      return std::to_string(value.lVal);
    case VT_BOOL:
      return std::string(value.boolVal ? "-1" : "0");
    case VT_R8: {
      // printf follows LC_NUMERIC, which the host sets from the user's locale.
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%.15G", value.dblVal);
      return std::string(buffer);
    }
    default:
      return std::nullopt;
  }
}

}  // namespace qxml
