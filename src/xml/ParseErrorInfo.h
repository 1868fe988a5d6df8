#pragma once

#include <string>

#include "com/Types.h"

namespace qxml {

// The outcome of one load, as parseError reports it. Positions count UTF-16
// characters of the decoded source, as the interfaces do.
struct ParseErrorInfo {
  HRESULT code = S_OK;
  std::string reason;
  std::string srcText;
  std::string url;
  LONG line = 0;
  LONG linepos = 0;
  LONG filepos = 0;
};

}  // namespace qxml
