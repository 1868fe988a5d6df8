#include "modules/CDBEBModules.h"

#include "com/Boundary.h"
#include "com/EnumVariant.h"
#include "platform/MessageBox.h"
#include "ports/AppObjectServices.h"

namespace {

void Warn(const char* text) {
  platform::ShowMessage(text, platform::kMessageExclamation, "Warning");
}

bool IsSlot(int32_t slot) {
  return slot >= 1 && slot <= 3;
}

}  // namespace

void CDBEBModules::SetAppObject(IAppObject* appObject) {
  appObject_ = qcom::WeakRef<IAppObject>(appObject);
}

qcom::ComPtr<CDBEBModule> CDBEBModules::AddModule(CDBEBModule* templateEntry) {
  if (!templateEntry) {
    Warn("The Module can not be added: Verify the resource used inside the Application!");
    return nullptr;
  }
  auto module = qcom::Make<CDBEBModule>();
  if (!module->LoadTemplate(templateEntry->TemplateID())) {
    Warn("The Object can not be added: Verify the resource used inside the Application!");
    return nullptr;
  }
  auto services = qcom::QueryAs<IAppObjectServices>(appObject_.get());
  module->SetAppObject(appObject_.get());
  if (services) services->UpdateAddableTemplates();

  const int32_t slot = templateEntry->TargetSlot();
  module->SetSlot(slot);
  if (IsSlot(slot)) module->SetSlotBase(slotTotals_[slot - 1]);
  module->CreateChannels();

  ++moduleCounter_;
  module->SetKey("EB" + std::to_string(moduleCounter_));
  modules_.Add(module->Key(), module);
  if (IsSlot(slot)) slotTotals_[slot - 1] += templateEntry->ChannelTotal();

  if (services) {
    services->AddMapTypModTag(templateEntry->MapTypModTag());
    services->UpdateAddableTemplates();
  }
  EnableRemoveCommands();
  if (services) services->NotifyCDBChanged();
  return module;
}

void CDBEBModules::RemoveModule(CDBEBModule* module) {
  if (!module) return;
  if (module->HasConnections()) {
    Warn("The Module cannot be removed: delete the connections before removing the module!");
    return;
  }
  qcom::ComPtr<CDBEBModule> keep(module);  // the set may hold the last reference
  const int32_t slot = module->Slot();
  if (IsSlot(slot)) slotTotals_[slot - 1] -= module->ChannelTotal();
  module->RemoveChannels();
  modules_.Remove(module->Key());
  --moduleCounter_;

  auto services = qcom::QueryAs<IAppObjectServices>(appObject_.get());
  if (services) {
    services->UpdateAddableTemplates();
    services->RemoveLastMapTypModTag();
  }
  EnableRemoveCommands();
  if (services) services->NotifyCDBChanged();
}

void CDBEBModules::EnableRemoveCommands() const {
  auto services = qcom::QueryAs<IAppObjectServices>(appObject_.get());
  IEditorView* editor = services ? services->EditorView() : nullptr;
  if (editor) editor->EnableRemoveCommands(modules_.Count() >= 1);
}

HRESULT CDBEBModules::get__NewEnum(IUnknown** enumerator) {
  if (!enumerator) return E_POINTER;
  return qcom::Guarded([&] {
    std::vector<qcom::Variant> all;
    for (const auto& entry : modules_) all.emplace_back(static_cast<IDispatch*>(entry.item.get()));
    *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
    return S_OK;
  });
}
