#pragma once

namespace host {
constexpr int kExitOk = 0;
constexpr int kExitInput = 1;  // a file, a registration or an object could not be used
constexpr int kExitUsage = 2;  // the command line itself is wrong
// The commands that look for something (check, diff, explain) tell what they
// found from what kept them from looking, so that a script can act on each.
constexpr int kExitFound = 1;    // findings, differences, an object without a stream
constexpr int kExitTrouble = 3;  // a file, a registration or an object could not be used
}  // namespace host
