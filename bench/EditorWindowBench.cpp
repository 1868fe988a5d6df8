// The editor window on Qt, drawn offscreen: opening it on an object with three
// modules (the window made, its lists filled, shown, drawn once and closed
// again, as the object's Show does it), and adding a module while it is open
// (the module placed, its rows and button added, the window drawn again).
//
//   tq_editor_bench [benchmark flags]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BundledData.h"
#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "plugin/CDBAppObject.h"
#include "ports/EditorFactory.h"
#include "ui/EditorInstall.h"
#include "ui/EditorWindowModel.h"
#include "ui/ToolIds.h"
#include "ui/qt/MainWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

// An object of the bundled definition with these modules placed, as a host
// has it once the object is loaded; null when it cannot be made.
qcom::ComPtr<CDBAppObject> PlacedObject(const bench::BundledData& data,
                                        const std::vector<std::string>& modules) {
  auto object = qcom::Make<CDBAppObject>();
  object->XmlSNVTDoc(data.Catalogue());
  VARIANT code;
  VariantInit(&code);
  VARIANT_BOOL ok = VARIANT_FALSE;
  object->Init(qcom::Bstr("TQ4600").get(), &code, &ok);
  if (ok != VARIANT_TRUE) return nullptr;
  object->Create();
  for (const std::string& id : modules)
    if (auto placed = object->ModuleTemplates()->Item(id))
      object->ModuleSet()->AddModule(placed.get());
  return object;
}

// Shows the object's window with the real view and runs the script once the
// window is up; the script's last act must close it.
void WhileShown(CDBAppObject& object,
                std::function<void(ui::EditorWindowModel&, QWidget&)> script) {
  ui::EditorWindowModel* model = nullptr;
  ui::SetMainWindowViewFactory([&](ui::EditorWindowModel& window) {
    model = &window;
    return std::make_unique<ui::widgets::MainWindow>(window);
  });
  QTimer::singleShot(0, [&] {
    if (QWidget* window = QApplication::activeModalWidget(); window && model)
      script(*model, *window);
  });
  object.Show(nullptr);
}

// The identifier of the Add menu's tool for the template.
int32_t TemplateTool(ui::EditorWindowModel& model, const std::string& id) {
  for (const ui::Band& band : model.CommandBands())
    if (band.name == ui::tools::kTemplatePopUp)
      for (const ui::Tool& tool : band.tools)
        if (tool.name == id) return tool.id;
  return 0;
}

struct Setup {
  std::unique_ptr<bench::BundledData> data;
  Setup() : data(std::make_unique<bench::BundledData>()) {
    ui::InstallEditorFactory();
    ui::InstallEditDialogFactory();
  }
};

Setup& State() {
  static Setup setup;
  return setup;
}

void OpenWindow(benchmark::State& state) {
  size_t rows = 0;
  for (auto _ : state) {
    // A fresh object each time: an object keeps every window it had as a
    // callback sink, so reopening one would time its past as well.
    state.PauseTiming();
    auto object = PlacedObject(*State().data, {"EB4AI2AO", "EB8DIC", "EB4AO"});
    if (!object) return state.SkipWithError("the TQ4600 object cannot be made");
    state.ResumeTiming();
    WhileShown(*object, [&](ui::EditorWindowModel& model, QWidget& window) {
      window.repaint();
      rows = model.ChannelRows(ports::ChannelKind::DI).Rows().size();
      window.close();
    });
    state.PauseTiming();
    object->Destroy();
    state.ResumeTiming();
  }
  if (rows != 8) state.SkipWithError("the window did not list the object's channels");
}

void AddModuleWhileOpen(benchmark::State& state) {
  auto object = PlacedObject(*State().data, {"EB4AI2AO", "EB8DIC"});
  if (!object) return state.SkipWithError("the TQ4600 object cannot be made");
  std::string problem;
  WhileShown(*object, [&](ui::EditorWindowModel& model, QWidget& window) {
    const int32_t add = TemplateTool(model, "EB4AO");
    for (auto _ : state) {
      const auto start = Clock::now();
      model.ToolClick(add, "EB4AO", "");
      window.repaint();
      state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
      if (model.ExplorerButtons().size() != 4) problem = "the module was not added";
      model.ToolClick(ui::tools::kRemoveModule, "mnuEBRemove", "");
    }
    window.close();
  });
  object->Destroy();
  if (!problem.empty()) state.SkipWithError(problem.c_str());
}

BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(AddModuleWhileOpen)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // No display needed: the windows are drawn offscreen unless told otherwise.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // What the offscreen platform cannot do (raise a window) it says on every
  // show; only the measurements belong in the output.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  State().data.reset();
  ui::SetMainWindowViewFactory({});
  ports::SetEditorFactory({});
  return 0;
}
