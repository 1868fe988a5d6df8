#include "xml/DomParseError.h"

#include "com/Boundary.h"

namespace qxml {

namespace {
HRESULT ReturnNumber(LONG value, LONG* out) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}
}  // namespace

HRESULT DomParseError::get_errorCode(LONG* code) {
  return ReturnNumber(info_.code, code);
}

HRESULT DomParseError::get_url(BSTR* url) {
  return qcom::Guarded([&] { return qcom::ReturnText(info_.url, url); });
}

HRESULT DomParseError::get_reason(BSTR* reason) {
  return qcom::Guarded([&] { return qcom::ReturnText(info_.reason, reason); });
}

HRESULT DomParseError::get_srcText(BSTR* text) {
  return qcom::Guarded([&] { return qcom::ReturnText(info_.srcText, text); });
}

HRESULT DomParseError::get_line(LONG* line) {
  return ReturnNumber(info_.line, line);
}

HRESULT DomParseError::get_linepos(LONG* position) {
  return ReturnNumber(info_.linepos, position);
}

HRESULT DomParseError::get_filepos(LONG* position) {
  return ReturnNumber(info_.filepos, position);
}

}  // namespace qxml
