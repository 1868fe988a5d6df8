#pragma once

#include <string>
#include <string_view>

#include "com/Types.h"
#include "xml/XmlApi.h"

namespace qxml {

// A path as the system writes it, with "\" between folders, for this platform.
std::string NativePath(std::string_view path);

// What stands at path, symbolic links followed, when it is not a regular file:
// "a folder", "a named pipe", "a device", "a socket"; empty for a regular file
// or nothing at all.
QXML_API std::string SpecialFileKind(const std::string& path);

// The whole file; on failure a failing code and a sentence saying why. Only a
// regular file is read: anything else is refused without waiting on it.
QXML_API HRESULT ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason);

// Writes the bytes to a new file beside path and renames it over path, so the
// target is either the old file or the whole new one, never a truncated one.
// A failure the system reports leaves its words in the error record.
// A symbolic link is followed to the file it finally names, which is replaced
// while the links stay. Only a regular file the caller may write is replaced;
// anything else is refused with E_ACCESSDENIED and left as it is.
QXML_API HRESULT ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace qxml
