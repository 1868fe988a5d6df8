// The explorer band and the details list: the device and its modules.
#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/TextRules.h"
#include "modules/CDBEBModules.h"
#include "ui/frmMain.h"
#include "values/CDBAttributes.h"

namespace {

// The field-bus address belongs to the host's network set-up; the window
// neither shows nor offers it.
constexpr const char* kHiddenDeviceParameter = "R5_ADDRESS";

std::string ObjectText(IAppObject* object, HRESULT (IAppObject::*getter)(BSTR*)) {
  qcom::Bstr text;
  if (FAILED((object->*getter)(text.out()))) return {};
  return text.utf8();
}

ui::ExplorerButton ModuleButton(int32_t id, const CDBEBModule& module) {
  return {id, module.Key(), module.Key(), module.NameText(), qcom::ComPtr<IPicture>(module.Icon())};
}

}  // namespace

void frmMain::CreateExplorerBand() {
  explorer_.Create();
}

void frmMain::FillModulesBand() {
  if (!appObject_) return;
  const std::string key = ObjectText(appObject_.get(), &IAppObject::get_GlobalKey);
  qcom::ComPtr<IPicture> icon;
  if (FAILED(appObject_->get_Icon(icon.put()))) icon = nullptr;
  explorer_.Add({kDeviceButtonId, key, key, ObjectText(appObject_.get(), &IAppObject::get_Name),
                 std::move(icon)});

  IAppObjectServices* object = EditedObject();
  const CDBEBModules* modules = object ? object->ModuleSet() : nullptr;
  if (!modules) return;
  int32_t id = kDeviceButtonId;
  for (const auto& entry : modules->Modules()) explorer_.Add(ModuleButton(++id, *entry.item));
}

void frmMain::AddModuleButton(const ports::ModuleButtonData& module) {
  qcom::Guarded([&] {
    IAppObjectServices* object = EditedObject();
    const CDBEBModules* modules = object ? object->ModuleSet() : nullptr;
    const auto count = static_cast<int32_t>(modules ? modules->Count() : 0);
    auto placed = modules ? modules->Modules().ByKey(module.key) : nullptr;
    explorer_.Add({count + 2, module.key, module.key, module.name,
                   placed ? qcom::ComPtr<IPicture>(placed->Icon()) : nullptr});
  });
}

void frmMain::ShowDeviceDetails() {
  details_.Clear();
  if (!appObject_) return;
  details_.Add("Name", ObjectText(appObject_.get(), &IAppObject::get_Name));
  IAppObjectServices* object = EditedObject();
  const CDBAttributes* parameters = object ? object->AttributeSet() : nullptr;
  if (!parameters) return;
  for (const auto& entry : parameters->Items()) {
    const CDBAttribute& parameter = *entry.item;
    if (qcom::text::Upper(parameter.NameText()) == kHiddenDeviceParameter) continue;
    details_.Add(parameter.NameText(), parameter.DisplayValue());
  }
}

void frmMain::ShowModuleDetails(const CDBEBModule* module) {
  if (!module) return;
  details_.Add("Name", module->NameText());
  details_.Add("Description", module->DescriptionText());
  details_.Add("Slot", std::to_string(module->Slot()));
  const std::pair<const char*, int32_t> counts[] = {{"AINumber", module->AICount()},
                                                    {"AONumber", module->AOCount()},
                                                    {"DINumber", module->DICount()},
                                                    {"DONumber", module->DOCount()}};
  for (const auto& [property, count] : counts)
    if (count > 0) details_.Add(property, std::to_string(count));
  details_.Add("IsConnected", module->HasConnections() ? "True" : "False");
}
