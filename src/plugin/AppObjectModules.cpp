// The application object's side of the module set: which templates the
// configuration tree allows next, and the channel behind an editor row.
#include "com/TextRules.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/AddableChoices.h"
#include "plugin/CDBAppObject.h"
#include "values/NumberRules.h"
#include "values/SnvtDataConversion.h"
#include "xml/Elements.h"

bool CDBAppObject::ChainLeftTree() const {
  return modules_ && deadChainEnd_ && modules_->Count() >= deadChainLength_ &&
         modules_->Modules().At(static_cast<int64_t>(deadChainLength_)).get() ==
             deadChainEnd_.get();
}

void CDBAppObject::UpdateAddableTemplates() {
  if (!templates_) return;
  templates_->ClearAddable();
  // The placed chain selects a node of the tree; its slot elements list what may come next.
  if (!ChainLeftTree()) {
    std::string path = "AppObject/Configurations";
    if (modules_)
      for (const auto& entry : modules_->Modules())
        path += "/Slot" + std::to_string(entry.item->Slot()) + "/" + entry.item->TemplateID();
    const plugin::AddableChoices& next = plugin::ChoicesAt(definitionDoc_.get(), path);
    // A chain that selects no node has left the tree: so does every chain it begins.
    deadChainEnd_ = nullptr;
    if (!next.found && modules_ && modules_->Count() > 0) {
      deadChainLength_ = modules_->Count();
      deadChainEnd_ = qcom::WeakRef<CDBEBModule>(
          modules_->Modules().At(static_cast<int64_t>(deadChainLength_)).get());
    }
    for (const plugin::AddableChoice& choice : next.choices) {
      auto entry = templates_->Items().ByKey(choice.templateName);
      if (!entry) continue;  // a template the catalogue does not hold
      entry->MarkAddable(choice.slot);
      entry->SetMapTypModTag(choice.tag);
    }
  }
  if (editor_) editor_->UpdateAddMenu();
}

namespace {

// Calls found with the channel the key names ("EB1\\AI\\2"), typed by its
// kind; returns what found returns, or a default value when no channel is there.
template <class Found>
auto WithChannel(const CDBEBModules* modules, const std::string& key, Found found)
    -> decltype(found(std::declval<CDBAI&>())) {
  if (!modules) return {};
  std::string moduleKey = values::GetField(key, 0, "\\");
  auto number = values::RoundToInt32(values::PlainParse(qcom::text::Mid(moduleKey, 2)));
  if (!number) return {};
  auto module = modules->Item(std::to_string(*number));
  if (!module) return {};
  std::string kind = qcom::text::Upper(values::GetField(key, 1, "\\"));
  std::string item = values::GetField(key, 2, "\\");
  auto lookup = [&](auto* channels) -> decltype(found(std::declval<CDBAI&>())) {
    auto channel = channels ? channels->Item(item) : nullptr;
    if (!channel) return {};
    return found(*channel);
  };
  if (kind == "AI") return lookup(module->AIs());
  if (kind == "AO") return lookup(module->AOs());
  if (kind == "DI") return lookup(module->DIs());
  if (kind == "DO") return lookup(module->DOs());
  return {};
}

}  // namespace

qcom::ComPtr<IDispatch> CDBAppObject::ChannelByKey(const std::string&,
                                                   const std::string& key) const {
  return WithChannel(modules_.get(), key, [](auto& channel) {
    return qcom::ComPtr<IDispatch>(static_cast<IDispatch*>(&channel));
  });
}

CDBAttributes* CDBAppObject::ChannelAttributes(const std::string&, const std::string& key) const {
  return WithChannel(modules_.get(), key,
                     [](auto& channel) -> CDBAttributes* { return channel.Attributes(); });
}
