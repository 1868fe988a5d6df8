#include <cstdio>
#include <filesystem>

#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/Registry.h"
#include "host/Arguments.h"
#include "host/Commands.h"
#include "host/ComponentSession.h"
#include "host/ExitCodes.h"
#include "host/HelpText.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost regsvr [-u] LIB\n"
         "\n"
         "Registers the COM classes of the component library LIB in the registry\n"
         "(calls its DllRegisterServer), or removes them with -u (DllUnregisterServer).\n"
         "The registry file is $QORDB_REGISTRY, else ~/.config/qordb/registry.xml.\n"
         "\n" +
         HelpColumns({{"-u", "unregister instead of register"}, HelpOptionRow()});
}
}  // namespace

int RunRegsvr(const std::vector<std::string>& words) {
  Arguments args("regsvr", words, {}, {"-u", "--help"});
  if (auto done = HelpOrUsageError("regsvr", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("regsvr", "expected one library path (see tqhost regsvr --help)", kExitUsage);

  std::error_code ec;
  std::string library = std::filesystem::absolute(args.positional()[0], ec).string();
  bool unregister = args.has("-u");
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
