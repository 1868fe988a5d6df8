// tqdialogs: draws the four parameter edit dialogs, as they open on a sample
// parameter of each kind, and the editor window with its about box into PNG
// files, without a display. The pictures in the README are made with it.
#include <QApplication>
#include <QDir>
#include <QWidget>

#include <clocale>
#include <cstdio>
#include <string>

#include "com/Bstr.h"
#include "host/pictures/EditorPictures.h"
#include "hostkit/UnitConverter.h"
#include "ui/EditorInstall.h"
#include "ui/frmCPModif1.h"
#include "ui/qt/DialogWindows.h"
#include "values/CDBAttribute.h"
#include "values/MMain.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

namespace {

constexpr const char* kUsage =
    "usage: tqdialogs -o DIR [--snvt FILE] [--units si|us]\n"
    "\n"
    "Draws the numeric, text, enumeration and bit-field edit dialogs, each as it\n"
    "opens on a sample parameter, into DIR/frmCPModif1.png, frmCPModif2.png,\n"
    "frmCPModif3.png and frmCPModif5.png, and the editor window on a demo object\n"
    "and its about box into DIR/frmMain.png and frmAbout.png. No display is needed.\n"
    "  -o DIR          the folder for the pictures (made when missing)\n"
    "  --snvt FILE     the SNVT catalogue (default: the one built beside tqdialogs)\n"
    "  --units si|us   the unit system of the numeric dialog (default si)\n";

struct Sample {
  const char* file;
  const char* name;
  const char* snvt;
  const char* value;
};
// A parameter of each dialog kind, typed from the bundled catalogue.
constexpr Sample kSamples[] = {
    {"frmCPModif1.png", "MaxTimeBetweenComm", "107", "60"},
    {"frmCPModif2.png", "Location", "36", "Boiler room"},
    {"frmCPModif3.png", "Behaviour_OnCommFailure", "1001", "1"},
    {"frmCPModif5.png", "Status", "83", "1029"},
};

// A window that is drawn into a file instead of waiting for the user.
class Snapshot final : public ui::DialogView {
 public:
  Snapshot(std::unique_ptr<ui::DialogView> window, QString path, bool& saved)
      : window_(std::move(window)), path_(std::move(path)), saved_(saved) {}
  void ShowModal() override {
    auto* widget = dynamic_cast<QWidget*>(window_.get());
    if (!widget) return;
    window_->ControlsChanged();
    widget->show();
    QApplication::processEvents();
    saved_ = widget->grab().save(path_, "PNG");
    widget->hide();
  }
  void Close() override {}
  void ControlsChanged() override { window_->ControlsChanged(); }

 private:
  std::unique_ptr<ui::DialogView> window_;
  QString path_;
  bool& saved_;
};

int Fail(const std::string& text) {
  std::fprintf(stderr, "tqdialogs: %s\n", text.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, snvt, units = "si";
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") return std::fputs(kUsage, stdout), 0;
    if ((word == "-o" || word == "--snvt" || word == "--units") && i + 1 < argc) {
      (word == "-o" ? out : word == "--snvt" ? snvt : units) = argv[++i];
      continue;
    }
    return Fail("unexpected " + word + "\n" + kUsage);
  }
  if (out.empty() || (units != "si" && units != "us")) return Fail(std::string("\n") + kUsage);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  if (snvt.empty())
    snvt = (QCoreApplication::applicationDirPath() + "/../snvt/snvt.xml").toStdString();
  std::setlocale(LC_ALL, "");
  if (!QDir().mkpath(QString::fromStdString(out))) return Fail("cannot make the folder " + out);

  auto catalogue = qxml::CreateDocument();
  VARIANT_BOOL loaded = VARIANT_FALSE;
  catalogue->load(qcom::Variant(snvt).raw(), &loaded);
  if (!loaded) return Fail("cannot read the SNVT catalogue " + snvt);
  values::Shared().snvtDocument = catalogue;
  const LONG system = units == "us" ? 1 : 0;
  ui::SetUnitConverterFactory([system]() -> qcom::ComPtr<IUnitConverter> {
    auto converter = qcom::Make<hostkit::UnitConverter>();
    converter->put_UnitSystem(system);
    return qcom::ComPtr<IUnitConverter>(converter.get());
  });
  ui::InstallEditDialogFactory();

  int status = 0;
  for (const Sample& sample : kSamples) {
    const std::string path = out + "/" + sample.file;
    bool saved = false;
    ui::SetDialogViewFactory([&](ui::ParameterDialog& dialog) -> std::unique_ptr<ui::DialogView> {
      return std::make_unique<Snapshot>(ui::widgets::MakeDialogWindow(dialog),
                                        QString::fromStdString(path), saved);
    });
    const std::string xml = std::string("<P><SNVTTYPE>") + sample.snvt +
                            "</SNVTTYPE><DEFAULTVALUE>" + sample.value + "</DEFAULTVALUE></P>";
    auto document = qxml::CreateDocument();
    document->loadXML(qcom::Bstr(xml).get(), &loaded);
    qcom::ComPtr<IXMLDOMElement> root;
    document->get_documentElement(root.put());
    auto parameter = qcom::Make<CDBAttribute>();
    parameter->SetName(sample.name);
    parameter->LoadFromXML(root.get());
    parameter->CreateEditDialog();
    parameter->Edit();
    if (!saved) {
      status = Fail("cannot draw " + path);
      continue;
    }
    std::printf("%s\n", path.c_str());
  }
  ui::SetDialogViewFactory({});
  std::string error;
  for (const std::string& path : host::DrawEditorPictures(out, catalogue.get(), error))
    std::printf("%s\n", path.c_str());
  if (!error.empty()) status = Fail(error);
  return status;
}
