#pragma once

#include <string>
#include <string_view>

#include "xml/ParseErrorInfo.h"

namespace qxml {

// The bytes of an XML file as UTF-8 text. A byte order mark or the shape of
// the first characters tells UTF-8 and UTF-16; without them the encoding the
// XML declaration names is used, where ISO-8859-1 and Windows-1252 are read as
// Windows-1252 (the superset files written on Windows use). False, with the
// error filled in, for an encoding that is not supported and for text read as
// UTF-8 that is not (then with the line and position of the first bad byte):
// replacing such bytes would change the file's text unseen on the next save.
bool DecodeXmlBytes(std::string_view bytes, std::string& utf8, ParseErrorInfo& error);

}  // namespace qxml
