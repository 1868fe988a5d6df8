// The window's lifecycle and the state of its caption and module commands.
#include "ui/frmMain.h"

#include "com/Boundary.h"
#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"

IAppObjectServices* frmMain::EditedObject() const {
  // Only this component's own object offers its module set and parameters;
  // another object is shown by what the host interface tells of it. The
  // object holds itself for as long as the window holds it.
  return qcom::QueryAs<IAppObjectServices>(appObject_.get()).get();
}

void frmMain::SetAppObject(IAppObject* appObject) {
  appObject_ = qcom::WeakRef<IAppObject>(appObject);
  if (appObject_) appObject_->CallBack(static_cast<IcbkAppObject*>(this));
}

void frmMain::Load() {
  if (loaded_) return;
  loaded_ = true;
  firstActivation_ = true;
  CreateExplorerBand();
  FillModulesBand();
  tabs_.SwitchOn(true);
  for (ui::ChannelList& list : lists_) list.SwitchOn(false);
  tabs_.DisableAll();
  ShowDeviceDetails();
  // The device menu and its pop-up are set up here once the command bands exist.
  UpdateAddMenu();
}

void frmMain::Activate() {
  Load();
  UpdateAddMenu();
  ShowDeviceDetails();
  if (!firstActivation_) return;
  FillChannelLists();
  firstActivation_ = false;
  IAppObjectServices* object = EditedObject();
  EnableRemoveCommands(object && object->ModuleSet() && object->ModuleSet()->Count() >= 1);
}

void frmMain::Unload() {
  loaded_ = false;
  explorer_.Release();
  commands_ = {};
  owner_ = nullptr;
  appObject_ = nullptr;
}

void frmMain::CloseByOwner() {
  closingByOwner_ = true;
  if (closing_) return;  // the close under way finishes the job
  closing_ = true;
  Unload();
  closing_ = false;
}

void frmMain::UpdateAddMenu() {
  qcom::Guarded([&] {
    commands_.addable.clear();
    IAppObjectServices* object = EditedObject();
    const CDBEBTemplates* templates = object ? object->ModuleTemplates() : nullptr;
    if (templates)
      for (const auto& entry : templates->Items())
        if (entry.item->IsAddable())
          commands_.addable.push_back({entry.item->TemplateID(), entry.item->NameText(),
                                       entry.item->TargetSlot(),
                                       qcom::ComPtr<IPicture>(entry.item->Icon())});
    commands_.addEnabled = !commands_.addable.empty();
  });
}

void frmMain::EnableRemoveCommands(bool enabled) {
  commands_.removeEnabled = enabled;
}

void frmMain::ShowUserName(const std::string& userName) {
  qcom::Guarded([&] { caption_ = userName; });
}
