#pragma once

#include <string>
#include <string_view>

#include "com/Api.h"
#include "com/Types.h"

// The one way the system reads and writes its files: projects, reports,
// exports, the registry and pictures all go through here, so that every write
// follows the same rules.
namespace qcom {

// A path as the system writes it, with "\\" between folders, for this platform.
QCOM_API std::string NativePath(std::string_view path);

// What stands at path, symbolic links followed, when it is not a regular file:
// "a folder", "a named pipe", "a device", "a socket"; empty for a regular file
// or nothing at all.
QCOM_API std::string SpecialFileKind(const std::string& path);

// The whole file; on failure a failing code and a sentence saying why. Only a
// regular file is read: anything else is refused without waiting on it.
QCOM_API HRESULT ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason);

// Writes the bytes to a new file beside path and renames it over path, so the
// target is either the old file or the whole new one, never a truncated one.
// A symbolic link is followed to the file it finally names, which is replaced
// while the links stay. Only a regular file the caller may write is replaced;
// a folder, device, pipe or socket is refused with E_ACCESSDENIED and left as
// it is, and so is a file marked as one of the command's inputs
// (STG_E_SHAREVIOLATION, see KeepUnwritten): an output never takes the place
// of what it was made from. A replaced file keeps its owner, group and mode; when only its owner
// could give it back its owner (another user's file that the group may
// write), the new bytes are written into the file itself, after a complete
// copy of them was made beside it. Every failure leaves its words in the
// error record ("the disk is full", "the file system is read-only", ...).
QCOM_API HRESULT ReplaceFile(const std::string& path, std::string_view bytes);

// Marks the file path names now as one of the command's inputs: no write of
// this process replaces it (whatever path or link the write is given), and
// the refusal names it as given here. A path that names no file is ignored.
QCOM_API void KeepUnwritten(const std::string& path);

}  // namespace qcom
