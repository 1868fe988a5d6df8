#pragma once

#include <string>

// Whether a component library can be trusted as far as the file system
// tells: a library, or a folder above it, that any user may write lets anyone
// put other code in its place, which every later host would then run.
namespace host {

// The first of the library's real path and the folders above it that users
// other than its owner and group may write (a folder with the sticky bit,
// such as /tmp, only lets them replace what they own, so it does not count);
// empty when there is none.
std::string WritableByOthers(const std::string& libraryPath);

// The refusal for a library WritableByOthers names: why, and how to register
// it anyway.
std::string UntrustedLibrary(const std::string& libraryPath, const std::string& writable);

}  // namespace host
