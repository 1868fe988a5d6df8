// The tool-click dispatcher and the commands of the menus and buttons, with
// what the status line tells of each.
#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/ErrorRecord.h"
#include "com/Variant.h"
#include "faces/Documentation.h"
#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "platform/DocumentOpener.h"
#include "platform/MessageBox.h"
#include "plugin/CDBAppObject.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"
#include "values/CDBAttributes.h"

namespace tools = ui::tools;

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Hands every message on to the service that was in place and keeps the last
// one's text, so a command can say in the status line what its message was about.
class RememberedMessages final : public platform::MessageService {
 public:
  RememberedMessages() : next_(platform::CurrentMessageService()) {}
  int Show(std::string_view text, int style, std::string_view title) override {
    last = std::string(text);
    return next_->Show(text, style, title);
  }
  std::string last;

 private:
  std::shared_ptr<platform::MessageService> next_;
};

}  // namespace

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
      return ViewDatasheet();
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
  qcom::ClearErrorRecord();
  if (source) source->GetDoc(nullptr, nullptr, document.put());
  // The report component says where it put the document, and why not; its
  // last step opens the document in the desktop's viewer.
  const auto failure = qcom::TakeErrorRecord();
  qcom::Bstr path;
  auto report = qcom::QueryAs<IReportDocument>(document.get());
  if (!report || FAILED(report->get_FileName(path.out())) || path.utf8().empty())
    return SetStatus("No report was written" + (failure ? ": " + failure->description : ""));
  const std::string& why = failure ? failure->description : std::string();
  const bool unopened = why.rfind("FinishStandalone2: ", 0) == 0;
  SetStatus("Report written to " + path.utf8() +
                (unopened ? " (not opened: " + why.substr(why.rfind(": ") + 2) + ")" : ""),
            "Open folder", FolderOf(path.utf8()));
}

void frmMain::SaveAndExport() {
  qcom::Bstr stream;
  if (appObject_) appObject_->get_Stream(stream.out());
  const std::string bytes = std::to_string(stream.utf8().size() / 2);
  if (stream.utf8().empty())
    return SetStatus("The object builds no configuration stream; nothing is exported");
  if (!host_) return SetStatus("Configuration stream of " + bytes + " bytes built");
  unsaved_ = true;  // written again even when nothing changed: the user asked for it
  if (KeepChanges(false, true))
    SetStatus("Saved in " + DocumentPath() + " with its configuration stream of " + bytes +
              " bytes");
}

void frmMain::ViewDatasheet() {
  if (!appObject_) return;
  auto remembered = std::make_shared<RememberedMessages>();
  {
    platform::ScopedMessageService forwarded(remembered);
    appObject_->ViewDatasheet(qcom::Variant(view_ ? view_->Handle() : int32_t{0}).raw());
  }
  const CDBAppObject* object = OwnObject();
  const std::string path = object ? object->DatasheetPath() : std::string();
  if (path.empty())
    SetStatus(remembered->last.empty() ? "No data sheet"
                                       : remembered->last +
                                             ": no data sheet was found for "
                                             "this object");
  else if (!remembered->last.empty())
    SetStatus("The data sheet " + path + " did not open: " + remembered->last, "Open folder",
              FolderOf(path));
  else
    SetStatus("The data sheet " + path + " was handed to the desktop's viewer");
}

void frmMain::StatusAction() {
  qcom::Guarded([&] {
    if (statusTarget_.empty()) return;
    if (!platform::OpenSucceeded(platform::OpenDocument(statusTarget_)))
      SetStatus("The folder " + statusTarget_ + " cannot be opened: no file manager answers");
  });
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
      ObjectChanged(module->NameText() + " added as " + module->Key());
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
  if (std::string refusal = module->RemovalRefusal(); !refusal.empty()) {
    platform::ShowMessage(refusal, platform::kMessageInformation);
    return;
  }
  modules->RemoveModule(module.get());
  explorer_.RemoveAt(count);
  Changed({ui::ViewPart::Explorer});
  ObjectChanged(module->NameText() + " (" + module->Key() + ") removed");
  ShowDeviceDetails();
}

void frmMain::EditChannelParameter(ports::ChannelKind kind, const std::string& name,
                                   int32_t column) {
  CDBAppObject* object = OwnObject();
  if (!object || column < 0) return;
  // The dialogs are modal and change no rows, so the selection read first holds throughout.
  const std::vector<std::string> keys = List(kind).SelectedKeys();
  size_t done = 0, changed = 0;
  for (const std::string& key : keys) {
    CDBAttributes* parameters = object->ChannelAttributes(std::string(ui::KindText(kind)), key);
    auto parameter = parameters ? parameters->Item(name) : nullptr;
    ++done;
    if (!parameter) continue;
    const ui::ListRow* row = List(kind).Row(key);
    SetStatus("Editing " + name + " of " + (row ? row->path + " " + row->cells[0] : key) +
              (keys.size() > 1
                   ? " (" + std::to_string(done) + " of " + std::to_string(keys.size()) + ")"
                   : ""));
    const std::string before = parameter->StoredValue();
    parameter->Edit();
    parameter = parameters->Item(name);
    if (!parameter) continue;
    if (ListOf(kind).SetCell(key, static_cast<size_t>(column), parameter->DisplayValue())) {
      DescribeRow(kind, key);
      Changed({ui::ViewPart::Rows, {}, kind, key});
    }
    if (parameter->StoredValue() != before) ++changed;
  }
  if (!changed) return SetStatus(name + " left as it was");
  ObjectChanged(name + " changed on " + std::to_string(changed) + " of " +
                std::to_string(keys.size()) + (keys.size() == 1 ? " channel" : " channels"));
}

void frmMain::EditDeviceParameter(const std::string& name) {
  IAppObjectServices* object = EditedObject();
  CDBAttributes* parameters = object ? object->AttributeSet() : nullptr;
  auto parameter = parameters ? parameters->Item(name) : nullptr;
  const std::string before = parameter ? parameter->StoredValue() : std::string();
  if (parameter) parameter->Edit();
  ShowDeviceDetails();
  if (!parameter) return;
  const bool changed = parameter->StoredValue() != before;
  if (!changed) return SetStatus(name + " left as it was");
  ObjectChanged(name + " changed to " + parameter->DisplayValue());
}
