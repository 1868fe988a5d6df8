#pragma once

#include <cstddef>

namespace host {

// Progress of a command that opens a project's objects one by one: once the
// command has run for about a second, "objects done / total" on standard
// error, rewritten in place, and the line cleared after the last object.
// Nothing when standard error is not a terminal, so that scripts and logs
// see only what the command says.
void ShowObjectProgress(size_t done, size_t total);

}  // namespace host
