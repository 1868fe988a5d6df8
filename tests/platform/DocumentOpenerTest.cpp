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

// Puts a fake desktop opener first on PATH for the test. The fake records its
// arguments (NUL-separated) and its working folder, then exits with a chosen
// status, or kills itself.
class DocumentOpen : public testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
    std::filesystem::create_directory(bin_);
    setenv("PATH", (bin_ + ":" + savedPath_).c_str(), 1);
    document_ = dir_ / "sheet.pdf";
    WriteFile(document_, "%PDF");
  }
  void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }

  void FakeOpener(const std::string& ending, mode_t mode = 0755) {
    std::string script = "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + args_ + "'\npwd > '" + cwd_ +
                         "'\n" + ending + "\n";
    WriteFile(bin_ + "/xdg-open", script);
    chmod((bin_ + "/xdg-open").c_str(), mode);
  }
  void ExitsWith(int status) { FakeOpener("exit " + std::to_string(status)); }
  bool OpenerRan() const { return std::filesystem::exists(args_); }
  std::string Arguments() const { return ReadFile(args_); }

  TempDir dir_;
  std::string bin_ = dir_ / "bin";
  std::string args_ = dir_ / "args";
  std::string cwd_ = dir_ / "cwd";
  std::string document_;
  std::string savedPath_;
};

TEST_F(DocumentOpen, MapsTheOpenersExitStatus) {
  struct Case {
    int status, result;
  } cases[] = {{0, 42}, {3, 31}, {2, 2}, {1, 5}, {4, 5}, {127, 5}};
  for (const Case& c : cases) {
    ExitsWith(c.status);
    EXPECT_EQ(platform::OpenDocument(document_), c.result) << "exit " << c.status;
    EXPECT_EQ(Arguments(), document_ + '\0');
  }
  FakeOpener("kill -9 $$");
  EXPECT_EQ(platform::OpenDocument(document_), platform::kOpenFailed);
  EXPECT_TRUE(platform::OpenSucceeded(42));
  EXPECT_FALSE(platform::OpenSucceeded(31));
}

TEST_F(DocumentOpen, NamesReachTheOpenerVerbatimAbsoluteAndWithoutAShell) {
  ExitsWith(0);
  std::string odd = dir_ / "data sheet 'v2' \"final\"; rm -rf $HOME `id` $(id) & |*?.pdf";
  WriteFile(odd, "%PDF");
  EXPECT_EQ(platform::OpenDocument(odd, "open", "0", odd, platform::kShowMaximized), 42);
  EXPECT_EQ(Arguments(), odd + '\0');

  // "\" separates folders, as in the names the system stores.
  std::filesystem::create_directory(dir_ / "DataSheets");
  WriteFile(dir_ / "DataSheets/pb_1.pdf", "%PDF");
  EXPECT_EQ(platform::OpenDocument(dir_.path() + "\\DataSheets\\pb_1.pdf"), 42);
  EXPECT_EQ(Arguments(), dir_ / "DataSheets/pb_1.pdf" + '\0');

  // A relative name is made absolute; the given folder is the working folder.
  std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  int result = platform::OpenDocument("sheet.pdf", "open", "", bin_);
  std::filesystem::current_path(here);
  EXPECT_EQ(result, 42);
  EXPECT_EQ(Arguments(), document_ + '\0');
  EXPECT_EQ(ReadFile(cwd_), bin_ + "\n");
}

TEST_F(DocumentOpen, RefusesWithoutRunningTheOpener) {
  setenv("PATH", bin_.c_str(), 1);  // an empty folder: no opener anywhere
  EXPECT_EQ(platform::OpenDocument(document_), platform::kOpenNoAssociation);
  FakeOpener("exit 0", 0644);  // there, but not executable
  EXPECT_EQ(platform::OpenDocument(document_), platform::kOpenFailed);
  ExitsWith(0);
  EXPECT_EQ(platform::OpenDocument(dir_ / "missing.pdf"), platform::kOpenFileNotFound);
  EXPECT_EQ(platform::OpenDocument(""), platform::kOpenFileNotFound);
  EXPECT_EQ(platform::OpenDocument(document_, "print"), platform::kOpenNoAssociation);
  EXPECT_EQ(platform::OpenDocument(document_, "edit"), platform::kOpenNoAssociation);
  EXPECT_FALSE(OpenerRan());
  // The verb ignores letter case, and no verb means "open".
  EXPECT_EQ(platform::OpenDocument(document_, "OPEN"), 42);
  EXPECT_EQ(platform::OpenDocument(document_, ""), 42);
}

}  // namespace
