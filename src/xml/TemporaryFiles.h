#pragma once

#include <string>

namespace qxml {

// The temporaries a file write fills beside its target before renaming them
// over it. A write that is killed leaves its temporary behind; the next write
// to the folder removes it.

// A new name beside path: "NAME.~PID.N", with the writing process's ID and a
// count of the temporaries this process made.
std::string TemporaryBeside(const std::string& path);

// Removes from the folder the temporaries, named as above, of processes that
// no longer run. Any other file, and the temporary of a running process
// (whoever it belongs to), is left alone.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace qxml
