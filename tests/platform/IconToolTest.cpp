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
using testing_support::TempDir;

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::string text = testing_support::ReadFile(path);
  return std::vector<uint8_t>(text.begin(), text.end());
}

TEST(IconTool, WritesResourceAndLabelIcons) {
  TempDir dir;
  ASSERT_EQ(RunProcess(TQICONS_PATH, {"--resource", "EBMODULE", "-o", dir / "eb.ico"}).exitCode, 0);
  EXPECT_EQ(FileBytes(dir / "eb.ico"),
            platform::PictureBytes(platform::LoadResourcePicture("EBMODULE").get()));

  std::vector<uint8_t> expected =
      platform::EncodeIco(platform::DrawLabelIcon(platform::Rgb(0x20, 0x60, 0xc0), "4AI"));
  // "#RRGGBB" and upper-case digits name the same colour.
  for (const char* color : {"2060c0", "#2060C0"}) {
    const std::string out = dir / (std::string("4AI") + color + ".ico");
    ASSERT_EQ(RunProcess(TQICONS_PATH, {"--label", "4AI", "--color", color, "-o", out}).exitCode,
              0);
    EXPECT_EQ(FileBytes(out), expected) << color;
    qcom::ComPtr<IPicture> loaded = platform::LoadPictureFromFile(out);
    ASSERT_TRUE(loaded);
    LONG width = 0;
    loaded->get_Width(&width);
    EXPECT_EQ(width, 32);
  }
}

TEST(IconTool, RefusesBadRequestsWithoutWriting) {
  TempDir dir;
  const std::string out = dir / "out.ico";
  const std::vector<std::string> refused[] = {{"--label", "4AIXY", "-o", out},
                                              {"--label", "", "-o", out},
                                              {"--label", "A@", "-o", out},
                                              {"--label", "A", "--color", "12345", "-o", out},
                                              {"--label", "A", "--color", "12345g", "-o", out},
                                              {"--resource", "NOPE", "-o", out},
                                              {"--resource", "TQEB", "--label", "A", "-o", out},
                                              {"--resource", "TQEB"},
                                              {"--resource", "TQEB", "-o"},
                                              {"--size", "64", "-o", out}};
  for (const auto& args : refused) {
    testing_support::ProcessResult run = RunProcess(TQICONS_PATH, args);
    EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
    EXPECT_NE(run.err.find("tqicons: "), std::string::npos) << "a reason is given";
  }
  EXPECT_FALSE(std::filesystem::exists(out));
  testing_support::ProcessResult unwritable =
      RunProcess(TQICONS_PATH, {"--resource", "TQEB", "-o", dir / "no/such/folder.ico"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
  EXPECT_EQ(RunProcess(TQICONS_PATH, {"--help"}).exitCode, 0);
}

}  // namespace
