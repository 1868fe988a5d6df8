#pragma once

#include <string>

namespace qcom {

// The temporaries a file write fills beside its target before renaming them
// over it. A write that is killed leaves its temporary behind; the next write
// to the folder removes it.

// A new name beside path: "NAME.tq4600~PID~N", with the writing process's ID
// and a count of the temporaries this process made.
std::string TemporaryBeside(const std::string& path);

// Removes from the folder the temporaries, named as above, that this user's
// processes left and that no longer run. Any other file, a temporary of a
// running process and one of another user are left alone.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace qcom
