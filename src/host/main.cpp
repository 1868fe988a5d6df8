// tqhost: the reference host of the TQ4600 component. It registers, creates
// and drives the component only through the registry, the class factory and
// the host interfaces.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "com/Creation.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/HelpText.h"
#include "host/output/NearestName.h"
#include "host/output/TerminalText.h"

namespace {
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

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>&);
};

// One command per line, so that a command is added without touching the others.
// clang-format off
const Command kCommands[] = {
    {"regsvr", host::RunRegsvr},
    {"info", host::RunInfo},
    {"new", host::RunNew},
    {"stream", host::RunStream},
    {"save", host::RunSave},
    {"set", host::RunSet},
    {"report", host::RunReport},
    {"edit", host::RunEdit},
    {"list", host::RunList},
    {"get", host::RunGet},
    {"export", host::RunExport},
    {"import", host::RunImport},
    {"explain", host::RunExplain},
    {"check", host::RunCheck},
    {"diff", host::RunDiff},
    {"add-object", host::RunAddObject},
    {"copy-object", host::RunCopyObject},
    {"remove-object", host::RunRemoveObject},
    {"rename-object", host::RunRenameObject},
    {"add-module", host::RunAddModule},
    {"remove-module", host::RunRemoveModule},
    {"connect", host::RunConnect},
    {"disconnect", host::RunDisconnect},
    {"connections", host::RunConnections},
    {"points", host::RunPoints},
};
// clang-format on

std::string Help() {
  return "usage: tqhost COMMAND [OPTIONS]\n"
         "\n"
         "Commands:\n" +
         host::HelpColumns(
             {{"regsvr [-u] LIB", "register (or unregister) a component library"},
              {"info [--type NAME]",
               "create an application object and show what\n"
               "the host sees"},
              {"new -o FILE [--modules T1,...]", "write a project with one new object"},
              {"stream FILE", "print each object's configuration stream"},
              {"save FILE -o OUT [--form F]", "write the project again, in form F"},
              {"set FILE [--object N] NAME=VALUE ...", "set parameters and print the new stream"},
              {"report FILE -o OUT [--object N]",
               "write the documentation report (.pdf, .odt, .html)"},
              {"edit FILE [--object N]",
               "open the editor window on an object; write\n"
               "FILE back if it changed"},
              {"list templates|parameters", "the module templates and chains, or the parameters"},
              {"get FILE [--object N] [NAME ...]", "print an object's parameter values and points"},
              {"export FILE -o OUT", "write the parameter values as CSV, for import"},
              {"import FILE CSV", "set the parameter values a CSV file holds"},
              {"explain FILE [--object N]", "the configuration stream field by field"},
              {"check FILE", "check every object before download"},
              {"diff A B",
               "the objects, modules, parameters and stream\nbytes in which two projects differ"},
              {"add-object FILE [--modules T1,...]", "add an object to a project"},
              {"copy-object FILE --object N", "add a copy of an object, with a new ID"},
              {"remove-object FILE --object N", "remove an object (its bindings with --force)"},
              {"rename-object FILE --object N NAME", "give an object a new user name"},
              {"add-module FILE --object N T", "place a module after an object's modules"},
              {"remove-module FILE --object N", "remove an object's last module"},
              {"connect FILE SOURCE TARGET", "bind an output to an input of another object"},
              {"disconnect FILE SOURCE TARGET", "remove a binding"},
              {"connections FILE", "list the bindings of a project"},
              {"points FILE [--format csv|json]",
               "list every input and output, for the supervisory\nsystem"},
              {"help COMMAND", "the options of a command (as COMMAND --help)"},
              {"--version", "print tqhost's version"}},
             32) +
         "\n"
         "Options end at \"--\": the words after it are arguments even if they start\n"
         "with \"-\". Messages of the component appear on standard error as\n"
         "'message: TEXT' lines.\n"
         "Exit codes: 0 success, 1 input problem, 2 usage; check, diff and explain:\n"
         "0 nothing found, 1 findings or differences, 2 usage, 3 trouble.\n";
}

const Command* Find(const std::string& name) {
  for (const Command& command : kCommands)
    if (name == command.name) return &command;
  return nullptr;
}

int UnknownCommand(const std::string& name) {
  std::vector<std::string> names = {"help", "--help", "--version"};
  for (const Command& command : kCommands) names.push_back(command.name);
  auto meant = host::NearestName(name, names);
  std::fprintf(stderr, "tqhost: unknown command %s%s\n", name.c_str(),
               meant ? ("; did you mean " + *meant + "?").c_str() : " (see tqhost --help)");
  return host::kExitUsage;
}

int Run(std::vector<std::string> words) {
  const std::string name = words.front();
  words.erase(words.begin());
  if (name == "--version") {
    std::printf("tqhost %s\n", TQ_VERSION);
    return host::kExitOk;
  }
  if (name == "help" && !words.empty()) return Run({words.front(), "--help"});
  if (name == "--help" || name == "-h" || name == "help") {
    std::fputs(Help().c_str(), stdout);
    return host::kExitOk;
  }
  const Command* command = Find(name);
  return command ? command->run(words) : UnknownCommand(name);
}

}  // namespace

int main(int argc, char** argv) {
  HoldStandardDescriptors();
  host::GuardTerminalStreams();
  std::setlocale(LC_ALL, "");
  std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    std::fputs(Help().c_str(), stderr);
    return host::kExitUsage;
  }
  int code = host::kExitInput;
  try {
    code = Run(words);
  } catch (const std::bad_alloc&) {
    // Whatever the command was writing is written whole or not at all.
    code = host::Fail(words.front(), "out of memory; a file being written is left as it was",
                      host::kExitInput);
  } catch (const std::exception& e) {
    code =
        host::Fail(words.front(),
                   std::string("failed: ") + e.what() + "; a file being written is left as it was",
                   host::kExitInput);
  }
  code = CheckStandardOutput(words.front(), code);
  CoFreeUnusedLibraries();
  return code;
}
