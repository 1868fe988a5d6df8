#include <cstdio>
#include <string>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "host/Arguments.h"
#include "host/Commands.h"
#include "host/ComponentSession.h"
#include "host/ExitCodes.h"
#include "plugin/TypeLibrary.h"

namespace host {

namespace {
constexpr const char* kHelp =
    "usage: tqhost info [--type NAME]\n"
    "\n"
    "Creates an application object of the component by its ProgID, initialises it\n"
    "for the object type NAME (default TQ4600) and prints what the host sees:\n"
    "identity, definition header, map/type/module tag, data sheet availability and\n"
    "the dimension figures.\n"
    "\n"
    "  --type NAME   object type, the folder and file name of its definition\n"
    "  --help        show this text\n";

template <class Getter>
std::string Text(Getter get) {
  qcom::Bstr value;
  get(value.out());
  return value.utf8();
}

void Line(const char* label, const std::string& value) {
  std::printf("%-16s %s\n", label, value.c_str());
}
}  // namespace

int RunInfo(const std::vector<std::string>& words) {
  Arguments args(words, {"--type"}, {"--help"});
  if (args.has("--help")) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (!args.ok()) return Fail("info", args.error() + " (see tqhost info --help)", kExitUsage);
  if (!args.positional().empty())
    return Fail("info", "unexpected argument " + args.positional()[0], kExitUsage);
  std::string type = args.value("--type").value_or("TQ4600");

  if (std::string problem = EnsureComponentRegistered(); !problem.empty())
    return Fail("info", problem, kExitInput);
  std::string error;
  qcom::ComPtr<IAppObject> object = CreateAppObject(error);
  if (!object) return Fail("info", error, kExitInput);

  VARIANT errorCode;
  VariantInit(&errorCode);
  VARIANT_BOOL ok = VARIANT_FALSE;
  qcom::Bstr typeName(type);
  object->Init(typeName.get(), &errorCode, &ok);
  if (ok != VARIANT_TRUE) {
    object->Destroy();
    return kExitInput;  // the object has shown its own message
  }
  object->Create();

  Line("ProgID:", Text([&](BSTR* b) { return object->get_ProgrammaticId(b); }));
  Line("Type:", Text([&](BSTR* b) { return object->get_UniqueIDString(b); }));
  Line("Name:", Text([&](BSTR* b) { return object->get_Name(b); }));
  Line("ID:", Text([&](BSTR* b) { return object->get_ID(b); }));
  Line("Description:", Text([&](BSTR* b) { return object->get_Description(b); }));
  Line("Category:", Text([&](BSTR* b) { return object->get_Category(b); }));
  LONG execTime = 0, maxInstances = 0, cdb = 0, ddb = 0;
  object->get_ExecTime(&execTime);
  object->get_MaxInstances(&maxInstances);
  Line("ExecTime:", std::to_string(execTime));
  Line("MaxInstances:", std::to_string(maxInstances));
  auto own = qcom::QueryAs<_CDBAppObject>(object.get());
  Line("MapTypMod:", own ? Text([&](BSTR* b) { return own->get_MapTypMod(b); }) : "");
  VARIANT_BOOL sheet = VARIANT_FALSE;
  object->get_DatasheetAvailable(&sheet);
  Line("Datasheet:", sheet ? "available" : "not available");
  Line("CDBDimension:", SUCCEEDED(object->get_CDBDimension(&cdb)) ? std::to_string(cdb) : "overflow");
  Line("DDBDimension:", SUCCEEDED(object->get_DDBDimension(&ddb)) ? std::to_string(ddb) : "overflow");

  object->Destroy();
  return kExitOk;
}

}  // namespace host
