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

}  // namespace
