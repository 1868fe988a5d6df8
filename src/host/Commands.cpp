#include "host/Commands.h"

#include <cstdio>

namespace host {

int Fail(const std::string& command, const std::string& text, int code) {
  std::fprintf(stderr, "tqhost %s: %s\n", command.c_str(), text.c_str());
  return code;
}

std::string Counted(size_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace host
