#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "platform/DocumentOpener.h"
#include "support/TempDir.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// A fake desktop opener first on PATH, recording its arguments (NUL-separated)
// and working folder, then ending as told.
std::string Path() {
  const char* path = std::getenv("PATH");
  return path ? path : "";
}

class DocumentOpen : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(bin_);
    setenv("PATH", (bin_ + ":" + savedPath_).c_str(), 1);
    WriteFile(document_, "%PDF");
  }
  void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }
  void FakeOpener(const std::string& ending, mode_t mode = 0755) {
    WriteFile(bin_ + "/xdg-open", "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + args_ + "'\npwd > '" +
                                      cwd_ + "'\n" + ending + "\n");
    chmod((bin_ + "/xdg-open").c_str(), mode);
  }
  void ExitsWith(int status) { FakeOpener("exit " + std::to_string(status)); }
  std::string Arguments() const { return ReadFile(args_); }

  TempDir dir_;
  std::string bin_ = dir_ / "bin", args_ = dir_ / "args", cwd_ = dir_ / "cwd";
  std::string document_ = dir_ / "sheet.pdf", savedPath_ = Path();
};

// The data sheet viewer pins the common exit statuses; these are the rest, and
// the refusals that never run the opener.
TEST_F(DocumentOpen, MapsExitStatusesAndRefusesWithoutRunningTheOpener) {
  setenv("PATH", bin_.c_str(), 1);  // an empty folder: no opener anywhere
  EXPECT_EQ(platform::OpenDocument(document_), platform::kOpenNoAssociation);
  FakeOpener("exit 0", 0644);  // there, but not executable
  EXPECT_EQ(platform::OpenDocument(document_), platform::kOpenFailed);
  ExitsWith(0);
  EXPECT_EQ(platform::OpenDocument(""), platform::kOpenFileNotFound);
  EXPECT_EQ(platform::OpenDocument(document_, "print"), platform::kOpenNoAssociation);
  EXPECT_FALSE(std::filesystem::exists(args_));
  EXPECT_EQ(platform::OpenDocument(document_, ""), 42);  // no verb means "open"
  for (auto [status, result] : std::vector<std::pair<int, int>>{{2, 2}, {1, 5}, {127, 5}}) {
    ExitsWith(status);
    EXPECT_EQ(platform::OpenDocument(document_), result) << "exit " << status;
  }
  FakeOpener("kill -9 $$");
  EXPECT_EQ(platform::OpenDocument(document_), platform::kOpenFailed);
}

TEST_F(DocumentOpen, NamesReachTheOpenerVerbatimAbsoluteAndWithoutAShell) {
  ExitsWith(0);
  std::string odd = dir_ / "data sheet 'v2' \"final\"; rm -rf $HOME `id` $(id) & |*?.pdf";
  WriteFile(odd, "%PDF");
  EXPECT_EQ(platform::OpenDocument(odd, "open", "0", odd, platform::kShowMaximized), 42);
  EXPECT_EQ(Arguments(), odd + '\0');
  // "\" separates folders, as in the names the system stores.
  EXPECT_EQ(platform::OpenDocument(dir_.path() + "\\sheet.pdf"), 42);
  EXPECT_EQ(Arguments(), document_ + '\0');
  // A relative name is made absolute; the given folder is the working folder.
  std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  int result = platform::OpenDocument("sheet.pdf", "OPEN", "", bin_);
  std::filesystem::current_path(here);
  EXPECT_EQ(result, 42);
  EXPECT_EQ(Arguments(), document_ + '\0');
  EXPECT_EQ(ReadFile(cwd_), bin_ + "\n");
}

}  // namespace
