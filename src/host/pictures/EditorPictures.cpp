#include "host/pictures/EditorPictures.h"

#include <QApplication>
#include <QPainter>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>

#include "faces/EditorHost.h"
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
constexpr const char* kDemoProject = "demo.qor.xml";

// The project the window's edits go to, as tqhost edit keeps it; the picture
// writes nothing.
class DemoProject final : public qcom::ComObject<IEditorHost> {
 public:
  HRESULT get_DocumentPath(BSTR* path) override { return qcom::ReturnText(kDemoProject, path); }
  HRESULT SaveDocument(BSTR, BSTR* problem) override { return qcom::ReturnText("", problem); }
  HRESULT DiscardChanges() override { return S_OK; }
};

// The widget drawn with the tooltip it shows at a point of one of its children,
// as the user sees it on pointing there.
QPixmap WithTooltip(QWidget& window, QWidget& child, const QPoint& at, const QString& text) {
  QPixmap picture = window.grab();
  QToolTip::showText(child.mapToGlobal(at), text, &child);
  QApplication::processEvents();
  for (QWidget* tip : QApplication::topLevelWidgets())
    if (tip->inherits("QTipLabel") && tip->isVisible()) {
      const QPixmap shown = tip->grab();
      QPoint corner = window.mapFromGlobal(child.mapToGlobal(at)) + QPoint(12, 16);
      corner.setX(std::max(0, std::min(corner.x(), picture.width() - shown.width())));
      QPainter(&picture).drawPixmap(corner, shown);
    }
  QToolTip::hideText();
  return picture;
}

// The picture under a title bar with the window's title, as a desktop frames it.
QPixmap Framed(const QWidget& window, const QPixmap& inside) {
  const int bar = window.fontMetrics().height() + 12;
  QPixmap framed(inside.width(), inside.height() + bar);
  framed.fill(window.palette().color(QPalette::Highlight));
  QPainter painter(&framed);
  painter.setPen(window.palette().color(QPalette::HighlightedText));
  QFont bold = window.font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRect(0, 0, inside.width(), bar), Qt::AlignCenter, window.windowTitle());
  painter.drawPixmap(0, bar, inside);
  return framed;
}

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
    // Save and Export, which tells in the status line where the project went.
    model_.ToolClick(ui::tools::kSaveAndExport, "mnuFileSave", "");
    window_.show();
    QApplication::processEvents();
    auto* list = window_.findChild<QTreeWidget*>("lwAI");
    if (list && list->topLevelItem(1)) {
      list->topLevelItem(1)->setSelected(true);
      // The sensor type's description, as pointing at the edited cell shows it.
      const QRect cell = list->visualItemRect(list->topLevelItem(1));
      const QPoint at(list->columnViewportPosition(2) + 12, cell.center().y());
      Save(Framed(window_,
                  WithTooltip(window_, *list->viewport(), at, list->topLevelItem(1)->toolTip(2))),
           "frmMain.png");
    }
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
    Save(widget.grab(), name);
  }
  void Save(const QPixmap& picture, const char* name) {
    const std::string path = folder_ + "/" + name;
    if (picture.save(QString::fromStdString(path), "PNG")) written_.push_back(path);
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
  auto project = qcom::Make<DemoProject>();
  object->Show(static_cast<IEditorHost*>(project.get()));
  object->Destroy();
  ui::SetMainWindowViewFactory({});
  ports::SetEditorFactory({});
  modules::SetComponentModulePathForTesting("");
  if (written.size() != 2) error = "cannot draw the editor window into " + folder;
  return written;
}

}  // namespace host
