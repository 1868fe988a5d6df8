#pragma once

#include <string>

namespace values {

// The 16-bit short float of "Float" values as four hex digits: a 4-bit exponent
// E, the sign bit and an 11-bit mantissa M, with |x| = M * 2^(E - 11).
// 0 -> 0000, 0.5 -> 0400, 1 -> 1400, -1 -> 1C00, 100 -> 7640.
// A value whose exponent would exceed 15 (|x| of about 32760 and more) or that
// is not finite cannot be written and gives an empty text.
std::string ShortFloatToHex(float x);

}  // namespace values
