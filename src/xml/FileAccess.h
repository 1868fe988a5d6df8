#pragma once

#include <string>
#include <string_view>

#include "com/Types.h"

namespace qxml {

// A path as the system writes it, with "\" between folders, for this platform.
std::string NativePath(std::string_view path);

// The whole file; on failure a failing code and a sentence saying why.
HRESULT ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason);

// Writes the bytes to a new file beside path and renames it over path, so the
// target is either the old file or the whole new one, never a truncated one.
// A failure the system reports leaves its words in the error record.
HRESULT ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace qxml
