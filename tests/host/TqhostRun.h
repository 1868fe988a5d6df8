#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

// tqhost run as a user runs it, on the bundled data, with its own registry in
// a fresh folder.
class TqhostRun : public ::testing::Test {
 protected:
  using Names = std::vector<std::string>;

  testing_support::ProcessResult Run(const Names& args, const std::string& locale = "C") {
    return testing_support::RunProcess(std::string(TQ_BUILD_DIR) + "/bin/tqhost", args,
                                       {{"QORDB_REGISTRY", registry}, {"LC_ALL", locale}}, child);
  }
  int Start(const Names& args) {
    return testing_support::StartProcess(std::string(TQ_BUILD_DIR) + "/bin/tqhost", args,
                                         {{"QORDB_REGISTRY", registry}, {"LC_ALL", "C"}});
  }
  // Runs tqhost, expecting exactly this exit code and standard error; gives
  // the standard output.
  std::string Expect(const Names& args, int exitCode, const std::string& err = "") {
    testing_support::ProcessResult r = Run(args);
    EXPECT_EQ(r.exitCode, exitCode) << ::testing::PrintToString(args) << "\n" << r.err;
    EXPECT_EQ(r.err, err) << ::testing::PrintToString(args);
    return r.out;
  }

  testing_support::TempDir dir;
  std::string registry = dir / "config/registry.xml";
  testing_support::ChildSetup child;  // how the next runs start
};
