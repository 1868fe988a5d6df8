#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small rules behind the application object's identity properties.
namespace plugin {

// Colour number (0x00BBGGRR) of a colour name, compared in upper case; 0 for
// any name outside the table.
int32_t ColorNumberOf(std::string_view name);
// Colour name of a number; empty for any number outside the table.
std::string ColorNameOf(int32_t number);

// The text of a path up to and including its last separator ("\" or "/"),
// empty when it has none.
std::string FolderOfPath(std::string_view path);

}  // namespace plugin
