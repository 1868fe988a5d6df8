#pragma once

#include <string>

namespace plugin {

// The data sheet of an object: the first "*.pdf", else "*.doc", in the
// object's own folder (base + uniqueId + "/"); else the first
// "pb_<id>_*.pdf", else "pb_<id>_*.doc", in base + "DataSheets/". Empty when
// there is none. The folders are searched again only after they changed.
std::string FindDatasheetPath(const std::string& base, const std::string& uniqueId,
                              const std::string& id);

}  // namespace plugin
