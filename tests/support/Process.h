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
  std::string in;             // standard input from this file instead of empty
};

// Runs a program (no shell) with extra environment variables and empty
// standard input (unless setup names a file), and collects its output.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::pair<std::string, std::string>>& env = {},
                         const ChildSetup& setup = {});

// Starts a program as RunProcess does, output on out and err (-1: none); returns its ID.
int StartProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::vector<std::pair<std::string, std::string>>& env, int out = -1,
                 int err = -1, const ChildSetup& setup = {});
// Waits for a started program: its exit code, -1 when it did not exit normally.
int WaitProcess(int pid);

}  // namespace testing_support
