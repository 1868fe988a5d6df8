#pragma once

#include <cstddef>
#include <string>

#include "host/session/ProjectFile.h"
#include "host/session/ProjectLock.h"

namespace host {

// What a command that changes object `number` (from 1) of the project at path
// does first: locks the file (see ProjectLock), then reads it and checks that
// it holds that object. False with error set to one line when the file cannot
// be locked or read, or holds no such object.
bool ReadLockedProject(const std::string& path, size_t number, ProjectLock& lock,
                       ProjectFile& project, std::string& error);

// Whether the read project holds object `number` (from 1); false with error
// set to one line naming how many it holds.
bool HoldsObject(const std::string& path, const ProjectFile& project, size_t number,
                 std::string& error);

}  // namespace host
