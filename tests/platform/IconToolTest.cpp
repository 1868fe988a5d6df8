#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>

#include "platform/IcoEncoder.h"
#include "platform/LabelIcon.h"
#include "platform/Picture.h"
#include "platform/ResourceIcons.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;

// Runs the icon tool with the arguments; its exit status, or -1.
int RunTool(std::vector<std::string> args) {
  args.insert(args.begin(), TQICONS_PATH);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  int spawned = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::string text = ReadFile(path);
  return std::vector<uint8_t>(text.begin(), text.end());
}

TEST(IconTool, WritesResourceAndLabelIcons) {
  TempDir dir;
  ASSERT_EQ(RunTool({"--resource", "EBMODULE", "-o", dir / "eb.ico"}), 0);
  EXPECT_EQ(FileBytes(dir / "eb.ico"),
            platform::PictureBytes(platform::LoadResourcePicture("EBMODULE").get()));

  ASSERT_EQ(RunTool({"--label", "4AI", "--color", "2060c0", "-o", dir / "4AI.ico"}), 0);
  std::vector<uint8_t> expected =
      platform::EncodeIco(platform::DrawLabelIcon(platform::Rgb(0x20, 0x60, 0xc0), "4AI"));
  EXPECT_EQ(FileBytes(dir / "4AI.ico"), expected);
  qcom::ComPtr<IPicture> loaded = platform::LoadPictureFromFile(dir / "4AI.ico");
  ASSERT_TRUE(loaded);
  LONG width = 0;
  loaded->get_Width(&width);
  EXPECT_EQ(width, 32);

  // "#RRGGBB" and upper-case digits name the same colour.
  ASSERT_EQ(RunTool({"--label", "4AI", "--color", "#2060C0", "-o", dir / "same.ico"}), 0);
  EXPECT_EQ(FileBytes(dir / "same.ico"), expected);
}

TEST(IconTool, RefusesBadRequestsWithoutWriting) {
  TempDir dir;
  const std::string out = dir / "out.ico";
  EXPECT_EQ(RunTool({"--label", "4AIXY", "-o", out}), 2);
  EXPECT_EQ(RunTool({"--label", "", "-o", out}), 2);
  EXPECT_EQ(RunTool({"--label", "A@", "-o", out}), 2);
  EXPECT_EQ(RunTool({"--label", "A", "--color", "12345", "-o", out}), 2);
  EXPECT_EQ(RunTool({"--label", "A", "--color", "12345g", "-o", out}), 2);
  EXPECT_EQ(RunTool({"--resource", "NOPE", "-o", out}), 2);
  EXPECT_EQ(RunTool({"--resource", "TQEB", "--label", "A", "-o", out}), 2);
  EXPECT_EQ(RunTool({"--resource", "TQEB"}), 2);
  EXPECT_EQ(RunTool({"--resource", "TQEB", "-o"}), 2);
  EXPECT_EQ(RunTool({"--size", "64", "-o", out}), 2);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(RunTool({"--resource", "TQEB", "-o", dir / "no/such/folder.ico"}), 1);
  EXPECT_EQ(RunTool({"--help"}), 0);
}

}  // namespace
