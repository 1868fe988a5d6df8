// The explorer band and the details list: the device and its modules.
#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/TextRules.h"
#include "modules/CDBEBModules.h"
#include "platform/Picture.h"
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

}  // namespace

ui::Tool frmMain::ModuleButton(int32_t id, const CDBEBModule& module) {
  return {.id = id,
          .name = module.Key(),
          .tag = module.Key(),
          .caption = module.NameText(),
          .tooltip = module.Key() + ": " + module.DescriptionText(),
          .note = "Slot " + std::to_string(module.Slot()),
          .picture = platform::PictureBytes(module.Icon())};
}

bool frmMain::ShownParameter(const std::string& name) {
  return qcom::text::Upper(name) != kHiddenDeviceParameter;
}

void frmMain::CreateExplorerBand() {
  explorer_.Create();
  Changed({ui::ViewPart::Explorer});
}

void frmMain::FillModulesBand() {
  if (!appObject_) return;
  const std::string key = ObjectText(appObject_.get(), &IAppObject::get_GlobalKey);
  qcom::ComPtr<IPicture> icon;
  if (FAILED(appObject_->get_Icon(icon.put()))) icon = nullptr;
  explorer_.Add({.id = ui::tools::kDeviceButton,
                 .name = key,
                 .tag = key,
                 .caption = ObjectText(appObject_.get(), &IAppObject::get_Name),
                 .picture = platform::PictureBytes(icon.get())});
  if (const CDBEBModules* modules = Modules()) {
    int32_t id = ui::tools::kDeviceButton;
    for (const auto& entry : modules->Modules()) explorer_.Add(ModuleButton(++id, *entry.item));
  }
  Changed({ui::ViewPart::Explorer});
}

void frmMain::AddModuleButton(const ports::ModuleButtonData& module) {
  qcom::Guarded([&] {
    const CDBEBModules* modules = Modules();
    const auto count = static_cast<int32_t>(modules ? modules->Count() : 0);
    auto placed = modules ? modules->Modules().ByKey(module.key) : nullptr;
    ui::Tool button = {
        .id = count + 2, .name = module.key, .tag = module.key, .caption = module.name};
    if (placed) {
      const ui::Tool described = ModuleButton(button.id, *placed);
      button.tooltip = described.tooltip, button.note = described.note;
      button.picture = described.picture;
    }
    explorer_.Add(std::move(button));
    Changed({ui::ViewPart::Explorer});
  });
}

void frmMain::ShowDeviceDetails() {
  details_.Clear();
  if (appObject_) details_.Add("Name", ObjectText(appObject_.get(), &IAppObject::get_Name));
  IAppObjectServices* object = EditedObject();
  if (const CDBAttributes* parameters = object ? object->AttributeSet() : nullptr)
    for (const auto& entry : parameters->Items()) {
      CDBAttribute& parameter = *entry.item;
      if (!ShownParameter(parameter.NameText())) continue;
      qcom::Bstr description;
      parameter.get_Description(description.out());
      details_.Add(parameter.NameText(), parameter.DisplayValue(), description.utf8());
    }
  Changed({ui::ViewPart::Details});
}

void frmMain::ShowModuleDetails(const CDBEBModule* module) {
  if (!module) return;
  details_.Add("Name", module->NameText());
  // The list may cut a long description; pointing at it shows it whole.
  details_.Add("Description", module->DescriptionText(), module->DescriptionText());
  details_.Add("Slot", std::to_string(module->Slot()));
  const std::pair<const char*, int32_t> counts[] = {{"AINumber", module->AICount()},
                                                    {"AONumber", module->AOCount()},
                                                    {"DINumber", module->DICount()},
                                                    {"DONumber", module->DOCount()}};
  for (const auto& [property, count] : counts)
    if (count > 0) details_.Add(property, std::to_string(count));
  details_.Add("IsConnected", module->HasConnections() ? "True" : "False");
  Changed({ui::ViewPart::Details});
}
