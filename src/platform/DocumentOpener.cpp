#include "platform/DocumentOpener.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "com/TextRules.h"
#include "platform/Folders.h"

extern char** environ;

namespace fs = std::filesystem;

namespace platform {
namespace {

// The desktop's opener, looked up on PATH.
constexpr const char* kOpener = "xdg-open";

// The opener's exit status in the shell's terms: 0 success, 2 the file is not
// there, 3 no viewer for it; anything else is a failure of the viewer.
int FromExitStatus(int status) {
  if (!WIFEXITED(status)) return kOpenFailed;
  switch (WEXITSTATUS(status)) {
    case 0:
      return kOpenDone;
    case 2:
      return kOpenFileNotFound;
    case 3:
      return kOpenNoAssociation;
    default:
      return kOpenFailed;
  }
}

// Runs the opener on the document without a shell, so the name reaches it
// verbatim whatever blanks, quotes or shell characters it holds.
int RunOpener(const std::string& document, const std::string& workingFolder) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return kOpenFailed;
  if (!workingFolder.empty() &&
      posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str()) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return kOpenFailed;
  }
  std::string program = kOpener;
  std::vector<char*> argv{program.data(), const_cast<char*>(document.c_str()), nullptr};
  pid_t child = 0;
  int spawned = posix_spawnp(&child, kOpener, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned == ENOENT) return kOpenNoAssociation;
  if (spawned != 0) return kOpenFailed;

  int status = 0;
  pid_t waited;
  do {
    waited = waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited != child) return kOpenFailed;
  return FromExitStatus(status);
}

}  // namespace

int OpenDocument(const std::string& path, const std::string& verb, const std::string&,
                 const std::string& directory, int) {
  if (!verb.empty() && !qcom::text::EqualsNoCase(verb, "open")) return kOpenNoAssociation;
  std::error_code ec;
  fs::path document = NativePath(path);
  if (document.empty() || !fs::exists(document, ec)) return kOpenFileNotFound;
  // The opener may run elsewhere, so it gets the document's absolute name.
  fs::path absolute = fs::absolute(document, ec);
  if (ec) return kOpenFailed;
  std::string workingFolder = NativePath(directory);
  if (!workingFolder.empty() && !fs::is_directory(workingFolder, ec)) workingFolder.clear();
  return RunOpener(absolute.string(), workingFolder);
}

}  // namespace platform
