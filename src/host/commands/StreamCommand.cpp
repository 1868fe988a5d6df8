#include <cstdio>
#include <string>
#include <vector>

#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/ProjectFile.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost stream FILE [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Loads every object of the project FILE (or the bare saved object element\n"
         "FILE) and prints its configuration stream, the block the controller is\n"
         "sent, as hexadecimal text: one line per object, in file order, and nothing\n"
         "else on standard output. An object that cannot build its stream gets an\n"
         "empty line and makes the exit code 1, as does a stream the controller\n"
         "would not read as it was set (a field whose encoding failed, that was\n"
         "clamped or rounded, is not hex or reads back as no number, a type the\n"
         "catalogue lacks or defines twice: see tqhost explain and check; the\n"
         "stream is printed and each such field named), and standard output that\n"
         "cannot take the text (a full disk, a closed descriptor).\n" +
         std::string(kPlacingChecksHelp) + "\n" + HelpColumns(WithSessionOptions({}));
}
}  // namespace

int RunStream(const std::vector<std::string>& words) {
  Arguments args("stream", words, {"--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("stream", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("stream", "expected one project file (see tqhost stream --help)", kExitUsage);
  const std::string& path = args.positional()[0];

  std::string error;
  ProjectFile project;
  if (!project.Read(path, error)) return Fail("stream", error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("stream", error, kExitInput);
  int code = kExitOk;
  for (size_t i = 0; i < project.entries().size(); ++i) {
    auto object =
        LoadProjectObject(session, project, i, path, error, {.onLoss = OnLoss::kRefuseUnplaced});
    if (!object) return Fail("stream", error, kExitInput);
    // The stream as the object explains it: the same bytes, and why the
    // controller would not receive what the engineer set.
    auto explained = object->Explain();
    const std::string stream =
        explained ? TextOf(explained.get(), &IStreamExplanation::get_Stream) : object->Stream();
    const std::string malformed = TextOf(explained.get(), &IStreamExplanation::get_Malformed);
    std::printf("%s\n", stream.c_str());
    if (stream.empty() || !malformed.empty()) {
      std::fflush(stdout);
      code = Fail("stream",
                  ObjectLabel(path, project, i) +
                      (stream.empty() ? ": no configuration stream"
                                      : ": the stream is not what was set: " + malformed),
                  kExitInput);
    }
  }
  return code;
}

}  // namespace host
