#include <cstdio>
#include <filesystem>

#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/Registry.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/HelpText.h"
#include "host/session/ComponentSession.h"
#include "host/session/TrustedLibrary.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost regsvr [-u] LIB\n"
         "\n"
         "Registers the COM classes of the component library LIB in the registry\n"
         "(calls its DllRegisterServer), or removes them with -u (DllUnregisterServer).\n"
         "The registry file is $QORDB_REGISTRY, else ~/.config/qordb/registry.xml.\n"
         "A library that any user may replace (it, or a folder above it, can be\n"
         "written by others) is not registered unless --force is given.\n"
         "\n" +
         HelpColumns({{"-u", "unregister instead of register"},
                      {"--force", "register a library others may replace, with a warning"},
                      HelpOptionRow()});
}
}  // namespace

int RunRegsvr(const std::vector<std::string>& words) {
  Arguments args("regsvr", words, {}, {"-u", "--force", "--help"});
  if (auto done = HelpOrUsageError("regsvr", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("regsvr", "expected one library path (see tqhost regsvr --help)", kExitUsage);

  std::error_code ec;
  std::string library = std::filesystem::absolute(args.positional()[0], ec).string();
  bool unregister = args.has("-u");
  if (std::string writable = WritableByOthers(library); !writable.empty() && !unregister) {
    if (!args.has("--force"))
      return Fail("regsvr", UntrustedLibrary(library, writable), kExitInput);
    Fail("regsvr", "warning: " + writable + " can be written by any user", kExitOk);
  }
  qcom::ClearErrorRecord();
  HRESULT hr = qcom::RegisterServer(library, unregister);
  if (FAILED(hr)) {
    return Fail("regsvr", LastErrorText(hr), kExitInput);
  }
  std::printf("%s %s in %s\n", unregister ? "unregistered" : "registered", library.c_str(),
              qcom::Registry::DefaultPath().c_str());
  return kExitOk;
}

}  // namespace host
