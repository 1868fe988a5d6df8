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

// Runs a program (no shell) with extra environment variables and empty
// standard input, and collects its output.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::pair<std::string, std::string>>& env = {});

// Starts a program as RunProcess does, output on out and err (-1: none); returns its ID.
int StartProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::vector<std::pair<std::string, std::string>>& env, int out = -1,
                 int err = -1);
// Waits for a started program: its exit code, -1 when it did not exit normally.
int WaitProcess(int pid);

}  // namespace testing_support
