#include "xml/VariantText.h"

#include "com/VariantCoercion.h"

namespace qxml {

std::optional<std::string> VariantToText(const VARIANT& value) {
  qcom::Variant text;
  if (FAILED(VariantChangeType(text.out(), &value, 0, VT_BSTR))) return std::nullopt;
  return qcom::BstrToUtf8(text.raw().bstrVal);
}

}  // namespace qxml
