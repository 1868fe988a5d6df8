#pragma once

namespace host {
constexpr int kExitOk = 0;
constexpr int kExitInput = 1;  // a file, a registration or an object could not be used
constexpr int kExitUsage = 2;  // the command line itself is wrong
}  // namespace host
