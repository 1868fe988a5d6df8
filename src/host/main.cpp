// tqhost: the reference host of the TQ4600 component. It registers, creates
// and drives the component only through the registry, the class factory and
// the host interfaces.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "com/Creation.h"
#include "host/Commands.h"
#include "host/ExitCodes.h"

namespace host {

int Fail(const std::string& command, const std::string& text, int code) {
  std::fprintf(stderr, "tqhost %s: %s\n", command.c_str(), text.c_str());
  return code;
}

}  // namespace host

namespace {
constexpr const char* kHelp =
    "usage: tqhost COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  regsvr [-u] LIB                  register (or unregister) a component library\n"
    "  info [--type NAME]               create an application object and show what\n"
    "                                   the host sees\n"
    "  new -o FILE [--modules T1,...]   write a project with one new object\n"
    "  stream FILE                      print each object's configuration stream\n"
    "  save FILE -o OUT [--form F]      write the project again, in form F\n"
    "  set FILE [--object N] NAME=VALUE ...\n"
    "                                   set parameters and print the new stream\n"
    "\n"
    "Run 'tqhost COMMAND --help' for the options of a command. Messages of the\n"
    "component appear on standard error as 'message: TEXT' lines.\n"
    "Exit codes: 0 success, 1 input problem, 2 usage.\n";

// A standard descriptor closed at the start would be handed to the next file
// tqhost opens, and text meant for the terminal would land in a project. Each
// one is held with /dev/null opened for reading (open takes the lowest free
// descriptor), so writes to it still fail as on a closed descriptor.
void HoldStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd)
    if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) ::open("/dev/null", O_RDONLY);
}

// Text that did not reach standard output (a full disk, a closed descriptor)
// is a failed command, even when nothing else went wrong.
int CheckStandardOutput(const std::string& command, int code) {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
  const int error = errno;
  return host::Fail(command,
                    "cannot write to standard output" +
                        (error != 0 ? ": " + std::string(std::strerror(error)) : std::string()),
                    host::kExitInput);
}

}  // namespace

int main(int argc, char** argv) {
  HoldStandardDescriptors();
  std::setlocale(LC_ALL, "");
  std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    std::fputs(kHelp, stderr);
    return host::kExitUsage;
  }
  std::string command = words.front();
  words.erase(words.begin());
  int code;
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kHelp, stdout);
    code = host::kExitOk;
  } else if (command == "regsvr") {
    code = host::RunRegsvr(words);
  } else if (command == "info") {
    code = host::RunInfo(words);
  } else if (command == "new") {
    code = host::RunNew(words);
  } else if (command == "stream") {
    code = host::RunStream(words);
  } else if (command == "save") {
    code = host::RunSave(words);
  } else if (command == "set") {
    code = host::RunSet(words);
  } else {
    code = host::Fail(command, "unknown command (see tqhost --help)", host::kExitUsage);
  }
  code = CheckStandardOutput(command, code);
  CoFreeUnusedLibraries();
  return code;
}
