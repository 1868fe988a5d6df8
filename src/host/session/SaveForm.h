#pragma once

#include <optional>
#include <string>

// The three forms an object saves itself in: the project's own, the one the
// simulator reads, and the one other tools exchange.
namespace host {

enum class SaveForm { kNormal, kSim, kInterop };

// "normal", "sim", "interop" in any letter case; nothing for any other word.
std::optional<SaveForm> ParseSaveForm(const std::string& word);
const char* SaveFormName(SaveForm form);

}  // namespace host
