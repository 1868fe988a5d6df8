#pragma once

#include "com/Unknown.h"

// The document component's class. The identifier was generated once and never
// changes; the report creates the class by its ProgID.
namespace hostkit::ids {

constexpr CLSID kDocument = qcom::MakeGuid("DB725A41-693A-44B5-A734-349D0C778041");
constexpr const char* kDocumentProgId = "HZDoc.CDoc";

}  // namespace hostkit::ids
