#pragma once

#include <string>

#include "com/Unknown.h"

// Whether a macro of the device that owns an application object refers to a
// parameter, input or output, by its global key. The application object is the
// parent of the item; its own parent is the device, which offers the macros.
// Any missing link or failing call answers false.
namespace values {

bool MacroParameterReferences(IDispatch* appObject, const std::string& globalKey);
bool MacroInputReferences(IDispatch* appObject, const std::string& globalKey);
bool MacroOutputReferences(IDispatch* appObject, const std::string& globalKey);

}  // namespace values
