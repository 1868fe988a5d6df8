#pragma once

#include "com/Unknown.h"

// The unit service's class. The identifier was generated once and never
// changes; hosts and dialogs create the class by its ProgID.
namespace hostkit::ids {

constexpr CLSID kConverter = qcom::MakeGuid("41BF8F2E-1495-4C69-9823-63AB67569EC9");
constexpr const char* kConverterProgId = "UnitManager.Converter";

}  // namespace hostkit::ids
