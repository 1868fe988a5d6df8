#include "modules/CDBEBTemplates.h"

#include "com/Boundary.h"
#include "com/EnumVariant.h"
#include "com/OutParam.h"
#include "modules/TemplateFacts.h"

CDBEBTemplates::CDBEBTemplates() {
  Build();
}

void CDBEBTemplates::Build() {
  // Every folder beside the component is a module kind, except the one that
  // holds shared binaries ("Bin", exactly so spelled).
  for (const std::string& entry : modules::TemplateFolders()) {
    if (entry == "Bin") continue;
    auto module = qcom::Make<CDBEBModule>();
    if (!module->LoadTemplate(entry)) continue;
    items_.Add(entry, module);
  }
}

void CDBEBTemplates::ClearAddable() {
  for (const auto& entry : items_) entry.item->SetAddable(false);
}

HRESULT CDBEBTemplates::get_Count(LONG* count) {
  return qcom::ReturnValue(static_cast<LONG>(items_.Count()), count);
}

HRESULT CDBEBTemplates::get_Item(VARIANT key, IDispatch** module) {
  return qcom::Guarded([&] { return qcom::ReturnObject<IDispatch>(items_.Item(key), module); });
}

HRESULT CDBEBTemplates::get__NewEnum(IUnknown** enumerator) {
  if (!enumerator) return E_POINTER;
  return qcom::Guarded([&] {
    std::vector<qcom::Variant> all;
    for (const auto& entry : items_) all.emplace_back(static_cast<IDispatch*>(entry.item.get()));
    *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
    return S_OK;
  });
}
