#pragma once

#include <string>

#include "values/SnvtReading.h"
#include "xml/Dom.h"

namespace values {

// Reads the entry SNVT_<id> of a catalogue document. Reading stops at the
// first step that fails, keeping what was read before it.
SnvtReading ReadSnvtEntry(IXMLDOMDocument* catalogue, const std::string& id);

// The reading of type id in the current catalogue (the shared SNVT document),
// made once for each state of the catalogue and decimal separator.
const SnvtReading& CatalogueReading(const std::string& id);

}  // namespace values
