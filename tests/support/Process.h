#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct ProcessResult {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// The user and group a child runs as when it must not have root's rights,
// which replace any file whatever its mode.
constexpr unsigned kUnprivilegedId = 65534;

struct ChildSetup {
  bool unprivileged = false;  // as kUnprivilegedId when the caller is root
  std::string out;            // standard output to this file instead of collected
};

// Runs a program (no shell) with extra environment variables and empty
// standard input, and collects its output.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::pair<std::string, std::string>>& env = {},
                         const ChildSetup& setup = {});

}  // namespace testing_support
