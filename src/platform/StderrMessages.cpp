#include "platform/StderrMessages.h"

#include <string>

namespace platform {
namespace {

// CR, LF and CRLF each become one blank.
std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += ' ';
    } else if (c == '\n') {
      line += ' ';
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace

StderrMessages::StderrMessages(std::FILE* out) : out_(out) {}

int StderrMessages::Show(std::string_view text, int, std::string_view) {
  std::string line = "message: " + OneLine(text) + "\n";
  // One write per message, so lines of concurrent writers do not interleave.
  std::FILE* out = out_ ? out_ : stderr;
  std::fwrite(line.data(), 1, line.size(), out);
  std::fflush(out);
  return kIdOk;
}

}  // namespace platform
