// Initialisation of the application object from its definition file.
#include "com/Boundary.h"
#include "com/ErrorRecord.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "modules/ComponentLocation.h"
#include "modules/DefinitionFiles.h"
#include "platform/MessageBox.h"
#include "plugin/CDBAppObject.h"
#include "plugin/DatasheetSearch.h"
#include "values/NumberRules.h"
#include "xml/Elements.h"

namespace {

std::string ObjectNotAvailableMessage(const std::string& name) {
  return "Error: The object " + name + " is not available; Please verify its name.";
}

}  // namespace

HRESULT CDBAppObject::Init(BSTR uniqueIdString, VARIANT*, VARIANT_BOOL* ok) {
  return qcom::Guarded(
      [&] { return qcom::ReturnBool(InitFrom(qcom::BstrToUtf8(uniqueIdString), true), ok); });
}

HRESULT CDBAppObject::StringID(BSTR stringId, VARIANT_BOOL* ok) {
  return qcom::Guarded(
      [&] { return qcom::ReturnBool(InitFrom(qcom::BstrToUtf8(stringId), false), ok); });
}

bool CDBAppObject::InitFrom(const std::string& name, bool createModuleCollections) {
  uniqueIdString_ = name;
  auto file =
      modules::LoadDefinitionFile(modules::ComponentFolder() + "../" + name + "/" + name + ".xml");
  definitionDoc_ = file.document;
  deadChainEnd_ = nullptr;  // another tree
  if (!file.loaded) {
    platform::ShowMessage(ObjectNotAvailableMessage(name));
    std::string description;
    qcom::ComPtr<IXMLDOMParseError> error;
    if (definitionDoc_ && SUCCEEDED(definitionDoc_->get_parseError(error.put())) && error) {
      qcom::Bstr srcText, reason;
      error->get_srcText(srcText.out());
      error->get_reason(reason.out());
      description = srcText.utf8() + "\r" + reason.utf8();
    }
    qcom::SetErrorRecord(QORDB_E_DEFINITION, modules::ComponentModuleName(), description);
    datasheetAvailable_ = false;
    return false;
  }

  LoadObjectDefinition();
  if (createModuleCollections) {
    templates_ = qcom::Make<CDBEBTemplates>();
    modules_ = qcom::Make<CDBEBModules>();
  }
  return true;
}

void CDBAppObject::LoadObjectDefinition() {
  const std::pair<const char*, std::string*> texts[] = {
      {"NAME", &name_}, {"ID", &id_}, {"DESCRIPTION", &description_}, {"CATEGORY", &category_}};
  // Header numbers: the leading numeric prefix, rounded half to even.
  const std::pair<const char*, int32_t*> numbers[] = {{"FIXEDDDB", &fixedDDB_},
                                                      {"FIXEDSHDB", &fixedSHDB_},
                                                      {"EXECTIME", &execTime_},
                                                      {"MAXINSTANCES", &maxInstances_}};
  auto appObject = qxml::FirstMatch(definitionDoc_.get(), "AppObject");
  for (const auto& field : qxml::Fields(appObject.get())) {
    if (!field.text) continue;
    const std::string name = qcom::text::Upper(field.name);
    for (const auto& [upperName, target] : texts)
      if (name == upperName) *target = *field.text;
    for (const auto& [upperName, target] : numbers)
      if (name == upperName)
        if (auto number = values::RoundToInt32(values::PlainParse(*field.text))) *target = *number;
  }
  FindDatasheet();
}

void CDBAppObject::FindDatasheet() {
  std::string path =
      plugin::FindDatasheetPath(modules::ComponentFolder() + "../", uniqueIdString_, id_);
  if (path.empty()) return;
  datasheetAvailable_ = true;
  datasheetPath_ = std::move(path);
}

void CDBAppObject::LoadFixedAttributes() {
  static constexpr const char* kFixed[] = {"R5_Address",         "Priority",
                                           "Powerline_Freq",     "Behaviour_OnCommFailure",
                                           "MaxTimeBetweenComm", "DO_PulseTime"};
  if (!attributes_) attributes_ = qcom::Make<CDBAttributes>();
  bool first = true;
  for (const char* name : kFixed) {
    auto node = qxml::FirstMatch(definitionDoc_.get(), std::string("AppObject/Attributes/") + name);
    if (node) attributes_->AddFromXML(name, node.get());
    if (first) {
      // The field-bus address is assigned by the host, never taken from the definition.
      if (auto address = attributes_->Item("1")) address->SetValueText("-1");
      first = false;
    }
  }
  if (attributes_->Count() != 6)
    platform::ShowMessage(
        "Error: Problems in the Attribute section of the XML file of " + name_ + " ",
        platform::kMessageCritical, "Warning");
}
