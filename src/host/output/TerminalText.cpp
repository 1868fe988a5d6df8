#include "host/output/TerminalText.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace host {

namespace {

std::string Escaped(const char* form, unsigned code) {
  char text[8];
  std::snprintf(text, sizeof text, form, code);
  return text;
}

// The lead byte of the two-byte UTF-8 form of U+0080 to U+009F.
constexpr unsigned char kC1Lead = 0xC2;

struct Stream {
  int fd;
  unsigned char pending = 0;
};

ssize_t WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

ssize_t WriteGuarded(void* cookie, const char* data, size_t size) {
  auto* stream = static_cast<Stream*>(cookie);
  if (WriteAll(stream->fd, ForTerminal(std::string_view(data, size), stream->pending)) < 0)
    return -1;
  return static_cast<ssize_t>(size);
}

int CloseGuarded(void* cookie) {
  auto* stream = static_cast<Stream*>(cookie);
  // A lead byte left at the very end was no C1 control after all.
  int rc = stream->pending ? (WriteAll(stream->fd, std::string(1, char(stream->pending))) < 0) : 0;
  delete stream;
  return rc;
}

// A stream that writes through ForTerminal to fd, buffered as mode says; null
// when it cannot be made.
std::FILE* Guarded(int fd, int mode) {
  cookie_io_functions_t functions{};
  functions.write = WriteGuarded;
  functions.close = CloseGuarded;
  std::FILE* file = ::fopencookie(new Stream{fd}, "w", functions);
  if (file) std::setvbuf(file, nullptr, mode, mode == _IONBF ? 0 : BUFSIZ);
  return file;
}

}  // namespace

std::string ForTerminal(std::string_view text, unsigned char& pending) {
  std::string out;
  out.reserve(text.size() + (pending ? 1 : 0));
  for (unsigned char c : text) {
    if (pending) {
      pending = 0;
      if (c >= 0x80 && c <= 0x9F) {
        out += Escaped("\\u%04X", c);
        continue;
      }
      out += static_cast<char>(kC1Lead);
    }
    if (c == kC1Lead) {
      pending = c;
    } else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      out += Escaped("\\x%02X", c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

void GuardTerminalStreams() {
  std::fflush(stdout);
  std::fflush(stderr);
  if (::isatty(STDOUT_FILENO))
    if (std::FILE* out = Guarded(STDOUT_FILENO, _IOLBF)) stdout = out;
  if (::isatty(STDERR_FILENO))
    if (std::FILE* err = Guarded(STDERR_FILENO, _IONBF)) stderr = err;
}

}  // namespace host
