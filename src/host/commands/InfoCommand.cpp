#include <cstdio>
#include <string>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "com/Variant.h"
#include "faces/AppObject.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/session/ComponentSession.h"
#include "plugin/TypeLibrary.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost info [--type NAME] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Creates an application object of the component by its ProgID, initialises it\n"
         "for the object type NAME (default TQ4600) and prints what the host sees:\n"
         "identity, definition header, map/type/module tag, data sheet availability and\n"
         "the dimension figures, the device parameters with their SNVT types, and the\n"
         "host inputs and outputs.\n"
         "\n" +
         HelpColumns(WithSessionOptions(
             {{"--type NAME", "object type, the folder and file name of its definition"}}));
}

template <class Getter>
std::string Text(Getter get) {
  qcom::Bstr value;
  get(value.out());
  return value.utf8();
}

void Line(const char* label, const std::string& value) {
  std::printf("%-16s %s\n", label, value.c_str());
}
// One row per device parameter, as the host reads them through IAttributes.
void PrintParameters(IAppObject* object) {
  qcom::ComPtr<IAttributes> attributes;
  object->get_Attributes(attributes.put());
  LONG count = 0;
  if (attributes) attributes->get_Count(&count);
  std::printf("\n%-24s %-8s %-16s %-14s %-14s %s\n", "Parameter", "Value", "Display", "Min", "Max",
              "SNVT");
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<IAttribute> a;
    attributes->get_Item(qcom::Variant(int32_t{i}).raw(), a.put());
    if (!a) continue;
    qcom::ComPtr<ISNVType> type;
    a->get_SNVTType(type.put());
    auto get = [&](auto getter) { return Text([&](BSTR* b) { return (a.get()->*getter)(b); }); };
    std::string snvt;
    if (type) {
      snvt = Text([&](BSTR* b) { return type->get_ID(b); }) + " " +
             Text([&](BSTR* b) { return type->get_Name(b); });
    }
    std::printf("%-24s %-8s %-16s %-14s %-14s %s\n", get(&IAttribute::get_Name).c_str(),
                get(&IAttribute::get_Value).c_str(), get(&IAttribute::get_DispValue).c_str(),
                get(&IAttribute::get_DispMin).c_str(), get(&IAttribute::get_DispMax).c_str(),
                snvt.c_str());
  }
}
// One row per host input and output: name, index, global key, SNVT.
void PrintPoints(IAppObject* object) {
  qcom::ComPtr<IInputs> inputs;
  object->get_Inputs(inputs.put());
  LONG count = 0;
  if (inputs) inputs->get_Count(&count);
  std::printf("\n%-6s %-28s %-5s %-34s %s\n", "Point", "Name", "Index", "GlobalKey", "SNVT");
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<IInput> input;
    inputs->get_Item(qcom::Variant(int32_t{i}).raw(), input.put());
    if (!input) continue;
    LONG index = 0;
    input->get_Index(&index);
    qcom::ComPtr<ICompatibleSNVTs> types;
    input->get_SNVTCompatibles(types.put());
    std::string snvt = types ? Text([&](BSTR* b) { return types->get_ToString(b); }) : "";
    std::printf("%-6s %-28s %-5d %-34s %s\n", "in",
                Text([&](BSTR* b) { return input->get_Name(b); }).c_str(), static_cast<int>(index),
                Text([&](BSTR* b) { return input->get_GlobalKey(b); }).c_str(), snvt.c_str());
  }
  qcom::ComPtr<IOutputs> outputs;
  object->get_Outputs(outputs.put());
  count = 0;
  if (outputs) outputs->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<IOutput> output;
    outputs->get_Item(qcom::Variant(int32_t{i}).raw(), output.put());
    if (!output) continue;
    LONG index = 0;
    output->get_Index(&index);
    qcom::ComPtr<ICompatibleSNVT> type;
    output->get_SNVTCompatible(type.put());
    std::string snvt = type ? Text([&](BSTR* b) { return type->get_ID(b); }) : "";
    std::printf("%-6s %-28s %-5d %-34s %s\n", "out",
                Text([&](BSTR* b) { return output->get_Name(b); }).c_str(), static_cast<int>(index),
                Text([&](BSTR* b) { return output->get_GlobalKey(b); }).c_str(), snvt.c_str());
  }
}
}  // namespace

int RunInfo(const std::vector<std::string>& words) {
  Arguments args("info", words, {"--type", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("info", args, Help())) return *done;
  if (!args.positional().empty())
    return Fail("info", "unexpected argument " + args.positional()[0], kExitUsage);
  std::string type = args.value("--type").value_or("TQ4600");
  std::string error;
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("info", error, kExitInput);
  qcom::ComPtr<IAppObject> object = CreateAppObject(kAppObjectProgId, error);
  if (!object) return Fail("info", error, kExitInput);
  object->XmlSNVTDoc(session.catalogue());

  VARIANT errorCode;
  VariantInit(&errorCode);
  VARIANT_BOOL ok = VARIANT_FALSE;
  qcom::Bstr typeName(type);
  object->Init(typeName.get(), &errorCode, &ok);
  if (ok != VARIANT_TRUE) {
    object->Destroy();
    return Fail("info", "the object type " + type + " cannot be initialised", kExitInput);
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
  Line("CDBDimension:",
       SUCCEEDED(object->get_CDBDimension(&cdb)) ? std::to_string(cdb) : "overflow");
  Line("DDBDimension:",
       SUCCEEDED(object->get_DDBDimension(&ddb)) ? std::to_string(ddb) : "overflow");

  PrintParameters(object.get());
  PrintPoints(object.get());

  object->Destroy();
  return kExitOk;
}

}  // namespace host
