#include "plugin/PropertyRules.h"

#include "com/TextRules.h"

namespace plugin {

namespace {
struct NamedColor {
  const char* name;
  int32_t number;
};
constexpr NamedColor kColors[] = {
    {"RED", 255},       {"BLUE", 0xFF0000}, {"GREEN", 65280},
    {"CYAN", 0xFFFF00}, {"YELLOW", 65535},  {"MAGENTA", 0xFF00FF},
};
}  // namespace

int32_t ColorNumberOf(std::string_view name) {
  std::string upper = qcom::text::Upper(name);
  for (const NamedColor& c : kColors)
    if (upper == c.name) return c.number;
  return 0;
}

std::string ColorNameOf(int32_t number) {
  for (const NamedColor& c : kColors)
    if (number == c.number) return c.name;
  return {};
}

std::string FolderOfPath(std::string_view path) {
  size_t last = path.find_last_of("\\/");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

}  // namespace plugin
