#pragma once

#include <string>

#include "com/ComPtr.h"
#include "xml/Dom.h"

namespace modules {

// A definition file (an object's definition or a module template) loaded as a
// document that callers only read. As long as the file on disk and the
// document stay unchanged, every load of the path hands out the same document:
// a project places the same few modules hundreds of times and each file is
// parsed once. A failed load is never kept.
struct DefinitionFile {
  qcom::ComPtr<IXMLDOMDocument> document;  // on failure, carries the parse error
  bool loaded = false;
};

DefinitionFile LoadDefinitionFile(const std::string& path);

}  // namespace modules
