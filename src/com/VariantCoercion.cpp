#include "com/VariantCoercion.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "com/TextRules.h"

namespace {

// A text read as a whole number: blanks around it, an optional sign, digits with
// the user's decimal separator or ".", an optional exponent.
HRESULT NumberFromText(BSTR text, double& number) {
  std::string digits = qcom::text::Trim(qcom::BstrToUtf8(text));
  const char separator = *std::localeconv()->decimal_point;
  for (char& c : digits) {
    if (c == separator) c = '.';
    if (std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E')
      return DISP_E_TYPEMISMATCH;  // no hexadecimal, infinity or NaN
  }
  std::string_view rest = digits;
  if (rest.size() > 1 && rest[0] == '+' && rest[1] != '-') rest.remove_prefix(1);
  const char* end = rest.data() + rest.size();
  auto [stop, error] = std::from_chars(rest.data(), end, number);
  if (error == std::errc::result_out_of_range) return DISP_E_OVERFLOW;
  if (error != std::errc() || stop != end || rest.empty()) return DISP_E_TYPEMISMATCH;
  return S_OK;
}

HRESULT NumberOf(const VARIANT& v, double& number) {
  switch (v.vt) {
    case VT_EMPTY:
      return number = 0, S_OK;
    case VT_I2:
      return number = v.iVal, S_OK;
    case VT_I4:
      return number = v.lVal, S_OK;
    case VT_UI4:
      return number = v.ulVal, S_OK;
    case VT_R8:
      return number = v.dblVal, S_OK;
    case VT_BOOL:
      return number = v.boolVal ? -1 : 0, S_OK;
    case VT_BSTR:
      return NumberFromText(v.bstrVal, number);
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

// Rounded half to even into T; DISP_E_OVERFLOW outside T's range.
template <class T>
HRESULT Whole(double number, T& out) {
  const double rounded = std::nearbyint(number);
  if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<T>::max())))
    return DISP_E_OVERFLOW;
  out = static_cast<T>(rounded);
  return S_OK;
}

std::optional<std::string> TextOf(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY:
      return std::string();
    case VT_I2:
      return std::to_string(v.iVal);
    case VT_I4:
      return std::to_string(v.lVal);
    case VT_UI4:
      return std::to_string(v.ulVal);
    case VT_BOOL:
      return std::string(v.boolVal ? "-1" : "0");
    case VT_R8: {
      // Up to 15 significant digits; printf follows the user's decimal separator.
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%.15G", v.dblVal);
      return std::string(buffer);
    }
    default:
      return std::nullopt;
  }
}

HRESULT Convert(const VARIANT& src, VARTYPE vt, VARIANT& out) {
  VariantInit(&out);
  if (src.vt == vt) return VariantCopy(&out, &src);
  if (vt == VT_BSTR) {
    std::optional<std::string> text = TextOf(src);
    if (!text) return DISP_E_TYPEMISMATCH;
    out.bstrVal = qcom::AllocBstr(*text);
    out.vt = VT_BSTR;
    return S_OK;
  }
  double number = 0;
  if (HRESULT hr = NumberOf(src, number); FAILED(hr)) return hr;
  HRESULT hr = S_OK;
  switch (vt) {
    case VT_I2:
      hr = Whole(number, out.iVal);
      break;
    case VT_I4:
      hr = Whole(number, out.lVal);
      break;
    case VT_UI4:
      hr = Whole(number, out.ulVal);
      break;
    case VT_R8:
      out.dblVal = number;
      break;
    case VT_BOOL:
      out.boolVal = ToVariantBool(number != 0);
      break;
    default:
      return DISP_E_TYPEMISMATCH;
  }
  if (SUCCEEDED(hr)) out.vt = vt;
  return hr;
}

}  // namespace

namespace qcom {

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD, VARTYPE vt) {
  if (!dest || !src) return E_POINTER;
  VARIANT value, converted;
  VariantInit(&value);
  if (HRESULT hr = VariantCopyInd(&value, src); FAILED(hr)) return hr;
  HRESULT hr = Convert(value, vt, converted);
  VariantClear(&value);
  if (FAILED(hr)) return hr;
  VariantClear(dest);
  *dest = converted;
  return S_OK;
}
}  // namespace qcom
