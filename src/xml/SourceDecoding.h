#pragma once

#include <string>
#include <string_view>

namespace qxml {

// The bytes of an XML file as UTF-8 text. A byte order mark or the shape of
// the first characters tells UTF-8 and UTF-16; without them the encoding the
// XML declaration names is used, where ISO-8859-1 and Windows-1252 are read as
// Windows-1252 (the superset files written on Windows use). False, with the
// reason, for an encoding that is not supported.
bool DecodeXmlBytes(std::string_view bytes, std::string& utf8, std::string& reason);

}  // namespace qxml
