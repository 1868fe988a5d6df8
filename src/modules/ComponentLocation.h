#pragma once

#include <string>

// Where the component's own shared object lives: the definition, template and
// data sheet folders are found relative to it.
namespace modules {

// Absolute path of the component's module file.
std::string ComponentModulePath();
// Folder of the module file, with a trailing "/".
std::string ComponentFolder();
// Module file name without its extension ("O_TQ4600").
std::string ComponentModuleName();

// Pretends the component lives at the given path; for tests that link the
// component's code into their own program. Empty restores the real location.
void SetComponentModulePathForTesting(std::string path);

}  // namespace modules
