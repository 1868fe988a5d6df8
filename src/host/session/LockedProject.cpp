#include "host/session/LockedProject.h"

#include "host/commands/Commands.h"

namespace host {

bool ReadLockedProject(const std::string& path, size_t number, ProjectLock& lock,
                       ProjectFile& project, std::string& error) {
  return lock.Acquire(path, error) && project.Read(path, error) &&
         HoldsObject(path, project, number, error);
}

bool HoldsObject(const std::string& path, const ProjectFile& project, size_t number,
                 std::string& error) {
  const size_t count = project.entries().size();
  if (number >= 1 && number <= count) return true;
  error = path + " holds " + Counted(count, "object") + "; there is no object " +
          std::to_string(number);
  return false;
}

}  // namespace host
