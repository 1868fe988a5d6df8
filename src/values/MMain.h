#pragma once

#include <cstdint>
#include <string>

#include "com/ComPtr.h"
#include "values/SnvtReading.h"
#include "xml/DomInterfaces.h"

namespace values {

// The state the component's objects share: one record for the whole component,
// which lives in the host's single apartment.
struct MMain {
  // The user's decimal separator and the other of "." and ",".
  std::string localeDecimalSeparator = ".";
  std::string alternateDecimalSeparator = ",";
  // The SNVT catalogue the host handed over; type records are read from it.
  qcom::ComPtr<IXMLDOMDocument> snvtDocument;
  // What has been read from it.
  SnvtReadingCache snvtReadings;
  // Feeds NextUniqueId; 0 until the first identifier is handed out.
  int32_t uniqueIdCounter = 0;
};

MMain& Shared();

}  // namespace values
