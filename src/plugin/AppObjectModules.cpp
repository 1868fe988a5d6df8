// The application object's side of the module set: which templates the
// configuration tree allows next, and the channel behind an editor row.
#include "com/TextRules.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/CDBAppObject.h"
#include "values/NumberRules.h"
#include "values/SnvtDataConversion.h"
#include "values/XmlRead.h"

namespace {

std::string AttributeText(IXMLDOMNode* element, const char* upperName) {
  qcom::ComPtr<IXMLDOMNamedNodeMap> attributes;
  if (!element || FAILED(element->get_attributes(attributes.put())) || !attributes) return {};
  LONG count = 0;
  attributes->get_length(&count);
  for (LONG i = 0; i < count; ++i) {
    qcom::ComPtr<IXMLDOMNode> attribute;
    if (FAILED(attributes->get_item(i, attribute.put())) || !attribute) continue;
    if (values::xml::UpperBaseName(attribute.get()) != upperName) continue;
    qcom::Variant value;
    attribute->get_nodeValue(value.out());
    return value.text();
  }
  return {};
}

}  // namespace

void CDBAppObject::UpdateAddableTemplates() {
  if (!templates_) return;
  templates_->ClearAddable();
  // The placed chain selects a node of the tree; its slot elements list what may come next.
  std::string path = "AppObject/Configurations";
  if (modules_)
    for (const auto& entry : modules_->Modules())
      path += "/Slot" + std::to_string(entry.item->Slot()) + "/" + entry.item->TemplateID();
  auto node = values::xml::FirstMatch(definitionDoc_.get(), path);
  for (const auto& slotElement : values::xml::Children(node.get())) {
    std::string slotName = values::xml::UpperBaseName(slotElement.get());
    if (slotName.rfind("SLOT", 0) != 0) continue;
    auto slot = values::RoundToInt32(values::PlainParse(slotName.substr(4)));
    if (!slot) continue;
    for (const auto& templateElement : values::xml::Children(slotElement.get())) {
      auto entry = templates_->Items().ByKey(values::xml::BaseName(templateElement.get()));
      if (!entry) continue;  // a template the catalogue does not hold
      entry->MarkAddable(*slot);
      entry->SetMapTypModTag(AttributeText(templateElement.get(), "TQIOMAP") +
                             AttributeText(templateElement.get(), "TQIOTYP") +
                             AttributeText(templateElement.get(), "TQIOMOD"));
    }
  }
  if (editor_) editor_->UpdateAddMenu();
}

qcom::ComPtr<IDispatch> CDBAppObject::ChannelByKey(const std::string&, const std::string& key) const {
  if (!modules_) return nullptr;
  std::string moduleKey = values::GetField(key, 0, "\\");
  auto number = values::RoundToInt32(values::PlainParse(qcom::text::Mid(moduleKey, 2)));
  if (!number) return nullptr;
  auto module = modules_->Item(std::to_string(*number));
  if (!module) return nullptr;
  std::string kind = qcom::text::Upper(values::GetField(key, 1, "\\"));
  std::string item = values::GetField(key, 2, "\\");
  auto lookup = [&](auto* channels) -> qcom::ComPtr<IDispatch> {
    if (!channels) return nullptr;
    return qcom::ComPtr<IDispatch>(channels->Item(item).get());
  };
  if (kind == "AI") return lookup(module->AIs());
  if (kind == "AO") return lookup(module->AOs());
  if (kind == "DI") return lookup(module->DIs());
  if (kind == "DO") return lookup(module->DOs());
  return nullptr;
}
