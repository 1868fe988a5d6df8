#pragma once

#include <string>

#include "com/ComPtr.h"
#include "xml/Dom.h"

namespace host {

// Loads an XML file; on failure returns null and sets error to one line naming
// the file, and for a parse error the line and the parser's reason.
qcom::ComPtr<IXMLDOMDocument> LoadXmlFile(const std::string& path, std::string& error);

// The host's bundled SNVT catalogue (bin/../snvt/snvt.xml).
std::string BundledCatalogue();

}  // namespace host
