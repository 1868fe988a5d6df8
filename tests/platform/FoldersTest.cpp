#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/Folders.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using platform::EntryKind;
using Names = std::vector<std::string>;

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

class FolderListing : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* file :
         {"b.txt", "a.txt", "A.txt", "C.PDF", "_x.txt", "pb_7_de.pdf", "pb_7_en.pdf", "Zeta"})
      WriteFile(dir_ / file, "x");
    fs::create_directory(dir_ / "Sub");
    fs::create_directory(dir_ / "bin");
    fs::create_directory(dir_ / "pb_7_folder.pdf");
    fs::create_directory_symlink(dir_ / "Sub", dir_ / "linked");
    fs::create_symlink(dir_ / "nowhere", dir_ / "dangling");
  }
  TempDir dir_;
};

// The data sheet lookup pins the first match in a folder; here the order, the kinds and the
// folders that give nothing.
TEST_F(FolderListing, SortsByNameIgnoringCaseFiltersByKindAndPattern) {
  // Letter case ignored, ties by byte order; "_" sorts after the letters, as
  // upper-cased names compare. The dangling link is left out.
  EXPECT_EQ(platform::ListFolder(dir_.path()),
            (Names{"A.txt", "a.txt", "b.txt", "bin", "C.PDF", "linked", "pb_7_de.pdf",
                   "pb_7_en.pdf", "pb_7_folder.pdf", "Sub", "Zeta", "_x.txt"}));
  EXPECT_EQ(platform::ListFolder(dir_.path(), "*", EntryKind::Folders),
            (Names{"bin", "linked", "pb_7_folder.pdf", "Sub"}));
  EXPECT_EQ(platform::ListFolder(dir_.path(), "*.TXT", EntryKind::Files),
            (Names{"A.txt", "a.txt", "b.txt", "_x.txt"}));
  EXPECT_EQ(platform::ListFolder(dir_.path(), "?.txt"), (Names{"A.txt", "a.txt", "b.txt"}));
  // A folder with a matching name is no first match.
  EXPECT_EQ(platform::FirstMatch(dir_.path(), "pb_7_f*"), "");
  for (std::string bad : {dir_ / "missing", dir_ / "b.txt", std::string()})
    EXPECT_TRUE(platform::ListFolder(bad).empty()) << bad;
  // Backslashes separate folders.
  WriteFile(dir_ / "Sub/inner.xml", "<x/>");
  EXPECT_EQ(platform::ListFolder(dir_.path() + "\\Sub"), (Names{"inner.xml"}));
  EXPECT_EQ(platform::NativePath("..\\TQ4600\\TQ4600.xml"), "../TQ4600/TQ4600.xml");
}

// The program itself is named by the kernel, not by argv[0]; what no file holds has no folder.
TEST(ModuleFolder, FindsTheFileThatHoldsTheAddress) {
  static int inProgram = 0;
  EXPECT_EQ(platform::ModuleFolder(&inProgram),
            fs::canonical("/proc/self/exe").parent_path().string() + "/");
  auto heap = std::make_unique<int>(0);
  EXPECT_EQ(platform::ModuleFolder(heap.get()), "");
  EXPECT_EQ(platform::ModuleFolder(nullptr), "");
}

}  // namespace
