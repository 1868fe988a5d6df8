#pragma once

namespace hostkit {

// The unit systems values are shown in, as the unit service's UnitSystem
// property numbers them.
enum class UnitSystem : int { kSI = 0, kUS = 1 };

}  // namespace hostkit
