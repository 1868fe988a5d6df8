// Arbitrary bytes as a project file: read as tqhost reads projects, without a
// crash, a hang or a leak; what it accepts names objects a project can hold.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/session/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A file in memory, read through its path as any project is.
  static const int fd = ::memfd_create("project", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != ssize_t(size)) return 0;
  host::ProjectFile project;
  std::string error;
  if (!project.Read(path, error)) {
    if (error.empty()) std::abort();  // every refusal says why
    return 0;
  }
  for (const host::ProjectEntry& entry : project.entries()) {
    if (!entry.saved || entry.identity.type.empty()) std::abort();
    (void)host::UnwritableText(entry.identity.userName);
  }
  return 0;
}
