// tqhost: the reference host of the TQ4600 component. It registers, creates
// and drives the component only through the registry, the class factory and
// the host interfaces.
#include <clocale>
#include <cstdio>
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
    "  regsvr [-u] LIB     register (or unregister) a component library\n"
    "  info [--type NAME]  create an application object and show what the host sees\n"
    "\n"
    "Run 'tqhost COMMAND --help' for the options of a command. Messages of the\n"
    "component appear on standard error as 'message: TEXT' lines.\n"
    "Exit codes: 0 success, 1 input problem, 2 usage.\n";
}

int main(int argc, char** argv) {
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
  } else {
    code = host::Fail(command, "unknown command (see tqhost --help)", host::kExitUsage);
  }
  CoFreeUnusedLibraries();
  return code;
}
