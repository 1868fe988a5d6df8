// The window's lifecycle: load, activation, the modal show through its view
// and the close protocol with its object.
#include "ui/frmMain.h"

#include <utility>

#include "com/Boundary.h"
#include "com/Bstr.h"
#include "modules/CDBEBModules.h"
#include "plugin/CDBAppObject.h"

namespace {
ui::MainWindowViewFactory& Views() {
  static ui::MainWindowViewFactory factory;
  return factory;
}
}  // namespace

ui::MainWindowViewFactory ui::SetMainWindowViewFactory(MainWindowViewFactory factory) {
  return std::exchange(Views(), std::move(factory));
}

frmMain::~frmMain() = default;

IAppObjectServices* frmMain::EditedObject() const {
  // Only this component's own object offers its module set and parameters;
  // another object is shown by what the host interface tells of it. The
  // object holds itself for as long as the window holds it.
  return qcom::QueryAs<IAppObjectServices>(appObject_.get()).get();
}

CDBAppObject* frmMain::OwnObject() const {
  return dynamic_cast<CDBAppObject*>(EditedObject());
}

const CDBEBModules* frmMain::Modules() const {
  IAppObjectServices* object = EditedObject();
  return object ? object->ModuleSet() : nullptr;
}

void frmMain::Changed(ui::ViewChange change) const {
  if (view_) view_->Changed(change);
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
  bar_.SetEnabled(ui::tools::kStandardBand, ui::tools::kMenuTQ, true);
  BuildDevicePopup();
  bar_.SetSubBand(ui::tools::kEditTQBand, ui::tools::kMenuTQEdit, ui::tools::kDevicePopUp);
  UpdateAddMenu();
}

void frmMain::Activate() {
  Load();
  UpdateAddMenu();
  ShowDeviceDetails();
  if (!firstActivation_) return;
  FillChannelLists();
  firstActivation_ = false;
  const CDBEBModules* modules = Modules();
  EnableRemoveCommands(modules && modules->Count() >= 1);
}

void frmMain::Activated() {
  qcom::Guarded([&] { Activate(); });
}

void frmMain::Unload() {
  loaded_ = false;
  explorer_.Release();
  bar_ = ui::CommandBar::StoredLayout();
  owner_ = nullptr;
  host_ = nullptr;
  appObject_ = nullptr;
  // The view goes once its modal show has returned.
  if (view_) view_->Close();
}

void frmMain::ShowModal(IUnknown* ownerWindow) {
  qcom::Guarded([&] {
    qcom::ComPtr<frmMain> keep(this);  // the object lets go of its window on close
    SetOwner(ownerWindow);
    host_ = qcom::QueryAs<IEditorHost>(ownerWindow);
    // The window may have been made before the object got its name (loading a
    // saved object makes it), so it takes the name the object has now.
    qcom::Bstr name;
    if (appObject_ && SUCCEEDED(appObject_->get_UserName(name.out())) && !name.utf8().empty())
      userName_ = name.utf8(), named_ = true;
    ShowCaption();
    Load();
    if (!view_ && Views()) view_ = Views()(*this);
    if (!view_) {
      // No display: the window counts as shown and stays open for the object.
      Activate();
      return;
    }
    view_->ShowModal(ownerWindow);
    if (!loaded_) view_.reset();
  });
}

void frmMain::CloseWindow(bool ask) {
  if (closing_) return;
  qcom::ComPtr<frmMain> keep(this);
  if (!KeepChanges(true, ask)) return;
  closing_ = true;
  // The object detaches the window from its channels and answers with CloseByOwner.
  if (CDBAppObject* object = OwnObject()) object->ReleaseEditor();
  closing_ = false;
  if (!closingByOwner_) {
    if (view_) view_->Hide();
    return;
  }
  Unload();
}

void frmMain::CloseRequested() {
  qcom::Guarded([&] { CloseWindow(); });
}

void frmMain::WindowGone() {
  qcom::Guarded([&] {
    CloseWindow(false);
    // A window the object keeps is hidden, and its show must end all the same.
    if (view_) view_->Hide();
  });
}

void frmMain::CloseByOwner() {
  closingByOwner_ = true;
  if (closing_) return;  // the close under way finishes the job
  closing_ = true;
  Unload();
  closing_ = false;
}

void frmMain::ShowUserName(const std::string& userName) {
  qcom::Guarded([&] {
    userName_ = userName, named_ = true;
    ShowCaption();
  });
}
