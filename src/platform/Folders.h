#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "com/FileAccess.h"
#include "platform/Api.h"

// The file-system side of the system: folder listings in the order the system
// expects, the folder a component was loaded from, and the path separator rule.
namespace platform {

enum class EntryKind { Files, Folders, Both };

// Names (not paths) of the entries of dir that match pattern ("*" and "?",
// letter case ignored), without "." and "..", sorted by name ignoring letter
// case (ties by byte order, so the order is total). Symbolic links count as
// what they point to; dangling links are left out. A missing or unreadable
// folder gives an empty list.
QPLATFORM_API std::vector<std::string> ListFolder(const std::string& dir,
                                                  std::string_view pattern = "*",
                                                  EntryKind kind = EntryKind::Both);

// The first file of dir matching pattern in that order, or empty.
QPLATFORM_API std::string FirstMatch(const std::string& dir, std::string_view pattern);

// The folder, with a trailing "/", of the shared object or program that
// contains the address, as an absolute canonical path; empty when the address
// belongs to no loaded object.
QPLATFORM_API std::string ModuleFolder(const void* addressInModule);

// A file path as the system writes it ("\" separators) in the platform's form.
using qcom::NativePath;

}  // namespace platform
