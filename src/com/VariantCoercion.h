#pragma once

#include "com/Api.h"
#include "com/Variant.h"

namespace qcom {

// Converts src (a by-reference source as the value it points at) to type vt into
// dest, which may be src itself. Numbers, flags and texts convert into each other:
// integers round half to even, a flag is -1 or 0, any other number is true; a
// double is written with up to 15 significant digits and the user's decimal
// separator, which a text read as a number may use as well as "."; VT_EMPTY is
// 0, false or "". DISP_E_OVERFLOW when a number does not fit the type,
// DISP_E_TYPEMISMATCH for anything else. No flags are defined: pass 0.
QCOM_API HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD flags, VARTYPE vt);

}  // namespace qcom
