#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// The name a mistyped word most likely meant: the candidate fewest edits away
// (a letter added, dropped, changed, or two neighbours swapped; letter case
// aside), when that is at most one edit in three letters. Nothing when no
// candidate is that close, so that only a plausible typo gets a suggestion.
std::optional<std::string> NearestName(std::string_view word,
                                       const std::vector<std::string>& candidates);

}  // namespace host
