#include "host/EditorPictures.h"

#include <QApplication>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "modules/ComponentLocation.h"
#include "plugin/CDBAppObject.h"
#include "ports/EditorFactory.h"
#include "ui/EditorInstall.h"
#include "ui/EditorWindowModel.h"
#include "ui/ToolIds.h"
#include "ui/qt/AboutWindow.h"
#include "ui/qt/MainWindow.h"
#include "values/CDBAttributes.h"

namespace host {

namespace {

constexpr const char* kDemoModules[] = {"EB4AI2AO", "EB8DIC", "EB4AO"};
constexpr const char* kEditedChannel = "EB1\\AI\\2";

// The real window, drawn into files instead of waiting for the user: shown
// once, with the about box opened from its menu.
class Snapshot final : public ui::MainWindowView {
 public:
  Snapshot(ui::EditorWindowModel& model, std::string folder, std::function<void()> connect,
           std::vector<std::string>& written)
      : model_(model),
        window_(model),
        folder_(std::move(folder)),
        connect_(std::move(connect)),
        written_(written) {}

  void ShowModal(IUnknown*) override {
    model_.Activated();
    // A channel connected while the window is open, and the edited row chosen.
    connect_();
    model_.TabClick(ui::TabOf(ports::ChannelKind::AI));
    model_.RowClick(ports::ChannelKind::AI, kEditedChannel);
    if (auto* list = window_.findChild<QTreeWidget*>("lwAI"); list && list->topLevelItem(1))
      list->topLevelItem(1)->setSelected(true);
    Save(window_, "frmMain.png");
    model_.ToolClick(ui::tools::kAbout, "mnuHelpAbout", "");
    window_.hide();
  }
  void Hide() override { window_.Hide(); }
  void Close() override { window_.Close(); }
  void Changed(const ui::ViewChange& change) override { window_.Changed(change); }
  void PopUp(const std::string&) override {}
  void ShowAbout(const ui::AboutBox& about) override {
    ui::widgets::AboutWindow box(about, &window_);
    Save(box, "frmAbout.png");
  }
  int32_t Handle() const override { return 0; }

 private:
  void Save(QWidget& widget, const char* name) {
    widget.show();
    QApplication::processEvents();
    const std::string path = folder_ + "/" + name;
    if (widget.grab().save(QString::fromStdString(path), "PNG")) written_.push_back(path);
  }

  ui::EditorWindowModel& model_;
  ui::widgets::MainWindow window_;
  std::string folder_;
  std::function<void()> connect_;
  std::vector<std::string>& written_;
};

}  // namespace

std::vector<std::string> DrawEditorPictures(const std::string& folder, IXMLDOMDocument* catalogue,
                                            std::string& error) {
  // The component's code is linked in here, so it is told where its
  // definition and templates lie: the plug-in folder beside this program.
  modules::SetComponentModulePathForTesting(
      (QCoreApplication::applicationDirPath() + "/../plugins/O_TQ4600/O_TQ4600.so").toStdString());
  auto object = qcom::Make<CDBAppObject>();
  object->XmlSNVTDoc(catalogue);
  VARIANT code;
  VariantInit(&code);
  VARIANT_BOOL ok = VARIANT_FALSE;
  object->Init(qcom::Bstr("TQ4600").get(), &code, &ok);
  VariantClear(&code);
  if (ok != VARIANT_TRUE) {
    error = "the TQ4600 definition cannot be read";
    return {};
  }
  object->Create();
  object->put_UserName(qcom::Bstr("Boiler room").get());
  for (const char* id : kDemoModules)
    if (auto placed = object->ModuleTemplates()->Item(id))
      object->ModuleSet()->AddModule(placed.get());
  if (CDBAttributes* parameters = object->ChannelAttributes("AI", kEditedChannel))
    if (auto sensor = parameters->Item("sensortype")) sensor->put_Value(qcom::Bstr("0").get());
  auto connect = [&] {
    qcom::ComPtr<IOutputs> outputs;
    qcom::ComPtr<IOutput> first;
    if (SUCCEEDED(object->get_Outputs(outputs.put())) && outputs)
      outputs->get_Item(qcom::Variant(int32_t{1}).raw(), first.put());
    if (auto point = qcom::QueryAs<ISubItemConnable>(first.get()))
      point->put_IsConnected(VARIANT_TRUE);
  };

  std::vector<std::string> written;
  ui::InstallEditorFactory();
  ui::SetMainWindowViewFactory([&](ui::EditorWindowModel& model) {
    return std::make_unique<Snapshot>(model, folder, connect, written);
  });
  object->Show(nullptr);
  object->Destroy();
  ui::SetMainWindowViewFactory({});
  ports::SetEditorFactory({});
  modules::SetComponentModulePathForTesting("");
  if (written.size() != 2) error = "cannot draw the editor window into " + folder;
  return written;
}

}  // namespace host
