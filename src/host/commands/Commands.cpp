#include "host/commands/Commands.h"

#include <cstdio>

#include "host/commands/ExitCodes.h"

namespace host {

int Fail(const std::string& command, const std::string& text, int code) {
  std::fprintf(stderr, "tqhost %s: %s\n", command.c_str(), text.c_str());
  return code;
}

std::optional<int> HelpOrUsageError(const std::string& command, const Arguments& args,
                                    const std::string& help) {
  if (args.has("--help")) {
    std::fputs(help.c_str(), stdout);
    return kExitOk;
  }
  if (!args.ok()) return Fail(command, args.error(), kExitUsage);
  return std::nullopt;
}

std::string Counted(size_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string JoinNames(const std::vector<std::string>& names, const char* separator) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : separator) + name;
  return text;
}

std::optional<std::string> FormatOf(const Arguments& args, const std::vector<std::string>& names) {
  const std::string format = args.value("--format").value_or(names.front());
  for (const std::string& name : names)
    if (name == format) return format;
  return std::nullopt;
}

}  // namespace host
