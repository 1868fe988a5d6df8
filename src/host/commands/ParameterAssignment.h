#pragma once

#include <optional>
#include <string>

// One NAME=VALUE word of "tqhost set". A name without "/" is a device
// parameter; "EB1/AI/2/sensortype" is a channel parameter: the module key, the
// channel kind, the channel's position in the module and the parameter name.
namespace host {

struct ParameterAssignment {
  std::string text;  // the name as written, for messages
  std::string value;
  bool channel = false;
  std::string name;      // the parameter's name
  int moduleNumber = 0;  // n of EBn
  std::string kind;      // "AI", "AO", "DI" or "DO"
  int position = 0;      // 1-based position among the module's channels of that kind
};

// Parses one word; on failure returns nothing and sets error to what is wrong.
// The value must not be empty, hold a second "=" or what a project file cannot hold.
std::optional<ParameterAssignment> ParseAssignment(const std::string& word, std::string& error);

// Parses a parameter's name alone, as the part of a word before "=".
std::optional<ParameterAssignment> ParseParameterName(const std::string& name, std::string& error);

// Whether two assignments name the same parameter (letter case aside, "EB01"
// being "EB1").
bool SameParameter(const ParameterAssignment& a, const ParameterAssignment& b);

}  // namespace host
