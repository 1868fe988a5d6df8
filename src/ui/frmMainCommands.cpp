// The tool-click dispatcher and the commands of the menus and buttons.
#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/Variant.h"
#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "platform/MessageBox.h"
#include "plugin/CDBAppObject.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"
#include "values/CDBAttributes.h"

namespace tools = ui::tools;

void frmMain::ToolClick(int32_t id, const std::string& name, const std::string& tag) {
  qcom::Guarded([&] { Dispatch(id, name, tag); });
}

void frmMain::Dispatch(int32_t id, const std::string& name, const std::string& tag) {
  // A failing step of a command leaves the rest of it to run: the host's
  // objects answer with codes, which the commands do not read.
  const tools::Command command = tools::CommandOf(id);
  switch (command.action) {
    case tools::Action::ShowDocumentation:
      return ShowDocumentation();
    case tools::Action::SaveAndExport:
      return SaveAndExport();
    case tools::Action::CloseWindow:
      return CloseWindow();
    case tools::Action::AddModule:
      return AddModule(name);
    case tools::Action::RemoveModule:
      return RemoveLastModule();
    case tools::Action::ViewDatasheet:
      if (appObject_)
        appObject_->ViewDatasheet(qcom::Variant(view_ ? view_->Handle() : int32_t{0}).raw());
      return;
    case tools::Action::About: {
      ui::frmAbout about;
      about.Load();
      if (view_) view_->ShowAbout(about.State());
      return;
    }
    case tools::Action::EditDeviceParameter:
      return EditDeviceParameter(name);
    case tools::Action::EditChannelParameter:
      return EditChannelParameter(command.kind, name, command.column);
    case tools::Action::ShowDevice:
      EnableChannelMenu(false);
      return ShowDeviceDetails();
    case tools::Action::ShowModule: {
      details_.Clear();
      EnableChannelMenu(false);
      const CDBEBModules* modules = Modules();
      auto module = modules ? modules->Item(tag) : nullptr;
      ShowModuleDetails(module.get());
      if (!module) Changed({ui::ViewPart::Details});
      return;
    }
    case tools::Action::None:
      return;
  }
}

void frmMain::ShowDocumentation() {
  auto source = qcom::QueryAs<IReportSource>(appObject_.get());
  qcom::ComPtr<IDispatch> document;
  if (source) source->GetDoc(nullptr, nullptr, document.put());
}

void frmMain::SaveAndExport() {
  qcom::Bstr stream;
  if (appObject_) appObject_->get_Stream(stream.out());
}

void frmMain::AddModule(const std::string& templateId) {
  SetPointer(ui::Pointer::Hourglass);
  IAppObjectServices* object = EditedObject();
  CDBEBModules* modules = object ? object->ModuleSet() : nullptr;
  CDBEBTemplates* templates = object ? object->ModuleTemplates() : nullptr;
  if (modules && templates) {
    // The module set says itself why a module cannot be added.
    auto module = modules->AddModule(templates->Item(templateId).get());
    if (module) {
      explorer_.Add(ModuleButton(static_cast<int32_t>(modules->Count()) + 1, *module));
      Changed({ui::ViewPart::Explorer});
    }
  }
  SetPointer(ui::Pointer::Default);
  ShowDeviceDetails();
}

void frmMain::RemoveLastModule() {
  IAppObjectServices* object = EditedObject();
  CDBEBModules* modules = object ? object->ModuleSet() : nullptr;
  const size_t count = modules ? modules->Count() : 0;
  auto module = modules ? modules->Item(std::to_string(count)) : nullptr;
  if (!module) return;
  if (module->HasConnections()) {
    platform::ShowMessage(module->NameText() + " cannot be removed because it is connected",
                          platform::kMessageInformation);
    return;
  }
  modules->RemoveModule(module.get());
  explorer_.RemoveAt(count);
  Changed({ui::ViewPart::Explorer});
  ShowDeviceDetails();
}

void frmMain::EditChannelParameter(ports::ChannelKind kind, const std::string& name,
                                   int32_t column) {
  CDBAppObject* object = OwnObject();
  if (!object || column < 0) return;
  // The dialogs are modal and change no rows, so the selection read first holds throughout.
  for (const std::string& key : List(kind).SelectedKeys()) {
    CDBAttributes* parameters = object->ChannelAttributes(std::string(ui::KindText(kind)), key);
    auto parameter = parameters ? parameters->Item(name) : nullptr;
    if (!parameter) continue;
    parameter->Edit();
    parameter = parameters->Item(name);
    if (parameter &&
        ListOf(kind).SetCell(key, static_cast<size_t>(column), parameter->DisplayValue()))
      Changed({ui::ViewPart::Rows, {}, kind, key});
  }
}

void frmMain::EditDeviceParameter(const std::string& name) {
  IAppObjectServices* object = EditedObject();
  CDBAttributes* parameters = object ? object->AttributeSet() : nullptr;
  if (auto parameter = parameters ? parameters->Item(name) : nullptr) parameter->Edit();
  ShowDeviceDetails();
}
