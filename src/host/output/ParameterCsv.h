#pragma once

#include <string>
#include <vector>

// The columns export writes and import reads: one row per object and
// parameter, the object named by its unique ID and its user name, the
// parameter as set names it.
namespace host {

inline const std::vector<std::string> kParameterCsvHeader = {"object", "name", "parameter", "value",
                                                             "unit"};

}  // namespace host
