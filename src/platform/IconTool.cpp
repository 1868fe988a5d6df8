// tqicons: writes the system's icons as icon files, for the module templates
// shipped in data/ and for anyone who wants to look at the compiled-in ones.
//
//   tqicons --resource TQEB -o tq.ico
//   tqicons --label 4AI --color 2060c0 -o 4AI.ico

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/ErrorRecord.h"
#include "com/FileAccess.h"
#include "platform/IcoEncoder.h"
#include "platform/LabelIcon.h"
#include "platform/PixelFont.h"
#include "platform/ResourceIcons.h"

namespace {

constexpr int kUsageError = 2;

void PrintUsage(std::FILE* out) {
  std::string names;
  for (const std::string& name : platform::ResourceIconNames()) names += " " + name;
  std::fprintf(out,
               "usage: tqicons --resource NAME -o FILE\n"
               "       tqicons --label TEXT [--color RRGGBB] -o FILE\n"
               "  --resource NAME  a compiled-in icon:%s\n"
               "  --label TEXT     up to %zu characters: A-Z, 0-9, blank and -+./\n"
               "  --color RRGGBB   background of a label icon (hex, default 808080)\n",
               names.c_str(), platform::kMaxIconLabel);
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "tqicons: %s\n", why.c_str());
  return kUsageError;
}

std::optional<platform::Color> ParseColor(std::string_view hex) {
  if (!hex.empty() && hex.front() == '#') hex.remove_prefix(1);
  if (hex.size() != 6) return std::nullopt;
  uint32_t value = 0;
  for (char c : hex) {
    int digit = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return platform::Rgb(static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
                       static_cast<uint8_t>(value));
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> resource, label, color, output;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      PrintUsage(stdout);
      return 0;
    }
    std::optional<std::string>* slot = arg == "--resource" ? &resource
                                       : arg == "--label"  ? &label
                                       : arg == "--color"  ? &color
                                       : arg == "-o"       ? &output
                                                           : nullptr;
    if (!slot) return PrintUsage(stderr), Fail("unknown option " + std::string(arg));
    if (i + 1 >= argc) return Fail(std::string(arg) + " needs a value");
    *slot = argv[++i];
  }
  if (!output || output->empty()) return PrintUsage(stderr), Fail("no output file (-o)");
  if (resource.has_value() == label.has_value())
    return PrintUsage(stderr), Fail("give either --resource or --label");
  if (resource && color) return Fail("--color applies to --label only");

  std::optional<platform::Raster> icon;
  if (resource) {
    icon = platform::DrawResourceIcon(*resource);
    if (!icon) return Fail("no compiled-in icon named \"" + *resource + "\"");
  } else {
    if (label->empty() || label->size() > platform::kMaxIconLabel)
      return Fail("a label has 1 to " + std::to_string(platform::kMaxIconLabel) + " characters");
    if (!platform::CanDraw(*label))
      return Fail("the label \"" + *label + "\" has characters the icon font lacks");
    std::optional<platform::Color> background = ParseColor(color.value_or("808080"));
    if (!background) return Fail("colour \"" + color.value_or("") + "\" is not RRGGBB hex");
    icon = platform::DrawLabelIcon(*background, *label);
  }

  std::vector<uint8_t> bytes = platform::EncodeIco(*icon);
  if (FAILED(qcom::ReplaceFile(
          *output, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))) {
    auto record = qcom::TakeErrorRecord();
    std::fprintf(stderr, "tqicons: cannot write %s: %s\n", output->c_str(),
                 record ? record->description.c_str() : "failed");
    return 1;
  }
  return 0;
}
