#pragma once

#include <string>
#include <vector>

// Valid values for every parameter of the bundled TQ4600 definition and its
// module templates, within each parameter's limits or enumeration. The
// generator drops a parameter's default from the list, so every value it sets
// differs from what a freshly placed object holds.
namespace bench {

// Candidate values for the parameter of that name; empty for a name the table
// does not know (the generator refuses to leave such a parameter unset).
const std::vector<std::string>& ParameterChoices(const std::string& name);

}  // namespace bench
