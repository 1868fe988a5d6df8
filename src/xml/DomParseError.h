#pragma once

#include "com/ComObject.h"
#include "xml/DomInterfaces.h"
#include "xml/ParseErrorInfo.h"

namespace qxml {

// What one load left behind; later loads do not change an object already handed out.
class DomParseError final : public qcom::ComObject<IXMLDOMParseError> {
 public:
  explicit DomParseError(ParseErrorInfo info) : info_(std::move(info)) {}

  HRESULT get_errorCode(LONG* code) override;
  HRESULT get_url(BSTR* url) override;
  HRESULT get_reason(BSTR* reason) override;
  HRESULT get_srcText(BSTR* text) override;
  HRESULT get_line(LONG* line) override;
  HRESULT get_linepos(LONG* position) override;
  HRESULT get_filepos(LONG* position) override;

 private:
  ParseErrorInfo info_;
};

}  // namespace qxml
