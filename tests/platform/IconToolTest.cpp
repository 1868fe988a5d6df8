#include <gtest/gtest.h>

#include <filesystem>

#include "platform/IcoEncoder.h"
#include "platform/LabelIcon.h"
#include "platform/Picture.h"
#include "platform/ResourceIcons.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

using testing_support::RunProcess;

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::string text = testing_support::ReadFile(path);
  return std::vector<uint8_t>(text.begin(), text.end());
}

TEST(IconTool, WritesResourceAndLabelIcons) {
  testing_support::TempDir dir;
  ASSERT_EQ(RunProcess(TQICONS_PATH, {"--resource", "EBMODULE", "-o", dir / "eb.ico"}).exitCode, 0);
  EXPECT_EQ(FileBytes(dir / "eb.ico"),
            platform::PictureBytes(platform::LoadResourcePicture("EBMODULE").get()));
  const std::vector<uint8_t> expected =
      platform::EncodeIco(platform::DrawLabelIcon(platform::Rgb(0x20, 0x60, 0xc0), "4AI"));
  // "#RRGGBB" and upper-case digits name the same colour.
  for (const char* color : {"2060c0", "#2060C0"}) {
    ASSERT_EQ(RunProcess(TQICONS_PATH, {"--label", "4AI", "--color", color, "-o", dir / "l.ico"})
                  .exitCode,
              0);
    EXPECT_EQ(FileBytes(dir / "l.ico"), expected) << color;
  }
  EXPECT_EQ(RunProcess(TQICONS_PATH, {"--help"}).exitCode, 0);
}

TEST(IconTool, RefusesBadRequestsWithoutWritingAndSaysWhy) {
  testing_support::TempDir dir;
  const std::string out = dir / "out.ico";
  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{"--label", "4AIXY", "-o", out}, "a label has 1 to 4 characters"},
      {{"--label", "", "-o", out}, "a label has 1 to 4 characters"},
      {{"--label", "A@", "-o", out}, "the label \"A@\" has characters the icon font lacks"},
      {{"--label", "A", "--color", "12345", "-o", out}, "colour \"12345\" is not RRGGBB hex"},
      {{"--label", "A", "--color", "12345g", "-o", out}, "colour \"12345g\" is not RRGGBB hex"},
      {{"--label", "A", "--color", "-12345", "-o", out}, "colour \"-12345\" is not RRGGBB hex"},
      {{"--resource", "NOPE", "-o", out}, "no compiled-in icon named \"NOPE\""},
      {{"--resource", "TQEB", "--label", "A", "-o", out}, "give either --resource or --label"},
      {{"--resource", "TQEB", "--color", "000000", "-o", out}, "--color applies to --label only"},
      {{"--resource", "TQEB"}, "no output file (-o)"},
      {{"--resource", "TQEB", "-o"}, "-o needs a value"},
      {{"--size", "64", "-o", out}, "unknown option --size"},
  };
  for (const auto& [args, why] : refused) {
    testing_support::ProcessResult run = RunProcess(TQICONS_PATH, args);
    EXPECT_EQ(run.exitCode, 2) << why;
    EXPECT_TRUE(run.err.ends_with("tqicons: " + why + "\n")) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(out));
  testing_support::ProcessResult unwritable =
      RunProcess(TQICONS_PATH, {"--resource", "TQEB", "-o", dir / "no/such/folder.ico"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_EQ(unwritable.err, "tqicons: cannot write " + dir / "no/such/folder.ico" + "\n");
}

}  // namespace
