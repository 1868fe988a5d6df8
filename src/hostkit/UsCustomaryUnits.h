#pragma once

#include <string>

namespace hostkit {

// The US customary counterpart of a catalogue unit: us = si * factor + offset.
struct UsUnit {
  const char* name;
  double factor;
  int offset;  // whole, so it is added and taken away exactly
};

// The counterpart of the unit of the SNVT named typeName, or null when the
// unit has none (it then reads the same in both systems). A temperature
// difference converts without the offset of a temperature.
const UsUnit* UsCounterpart(const std::string& siUnit, const std::string& typeName);

}  // namespace hostkit
