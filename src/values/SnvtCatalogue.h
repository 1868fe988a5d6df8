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

// How many entries of the current catalogue define SNVT number id: the loader
// takes the first, so 2 or more means the others are never read. Counted once
// for each state of the catalogue.
int32_t CatalogueEntries(const std::string& id);

// Changes whenever the readings above are made anew (another state of the
// catalogue, another decimal separator): what is built from them may be kept
// while it stays the same. 0 when nothing may be kept (a catalogue of another
// implementation is read every time).
uint64_t CatalogueGeneration();

// The reading of type id applied to a new type object, made once for each
// state of the catalogue and decimal separator like the reading itself.
std::shared_ptr<const SnvtRecord> CatalogueRecord(const std::string& id);

}  // namespace values
