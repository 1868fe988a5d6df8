// The documentation report of one object with three modules, written as a PDF
// by the document component, as `tqhost report` writes it: GetDoc with a
// document application naming the file, then SaveAs. The first report of a
// process also starts Qt and reads the fonts; it is timed on its own.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BundledData.h"
#include "ProjectRound.h"
#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/Creation.h"
#include "faces/Documentation.h"

namespace {

class OutputFile final : public qcom::ComObject<IDocumentApplication> {
 public:
  explicit OutputFile(std::string path) : path_(std::move(path)) {}
  HRESULT get_OutputPath(BSTR* path) override { return qcom::ReturnText(path_, path); }

 private:
  std::string path_;
};

// One report; false when the component made none or could not write it.
bool WriteReport(IAppObject* object, IDocumentApplication* application) {
  qcom::ComPtr<IDispatch> document;
  auto source = qcom::QueryAs<IReportSource>(object);
  if (!source || FAILED(source->GetDoc(application, nullptr, document.put()))) return false;
  auto report = qcom::QueryAs<IReportDocument>(document.get());
  qcom::Bstr here;
  return report && SUCCEEDED(report->SaveAs(here.get()));
}

void ReportToPdf(benchmark::State& state) {
  char folder[] = "/tmp/tq-bench-XXXXXX";
  if (!mkdtemp(folder)) return state.SkipWithError("no temporary folder");
  const std::string dir = folder;
  setenv("QORDB_REGISTRY", (dir + "/registry.xml").c_str(), 1);
  bench::BundledData data;
  qcom::Bstr type("TQ4600");
  auto object = data.Ready() ? bench::PlaceObject(data.Catalogue(), type.get()) : nullptr;
  if (!object ||
      FAILED(qcom::RegisterServer(std::string(TQ_PLUGINS_DIR) + "/HZDoc/HZDoc.so", false)))
    return state.SkipWithError("no object or no document component");
  auto saved = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  saved->loadXML(qcom::Bstr("<TQ4600><UserName>Boiler room</UserName><Modules><EB4AI2AO/><EB8DIC/>"
                            "<EB4AO/></Modules></TQ4600>")
                     .get(),
                 &ok);
  qcom::ComPtr<IXMLDOMElement> root;
  saved->get_documentElement(root.put());
  object->XmlLoad(root.get());
  auto application = qcom::Make<OutputFile>(dir + "/report.pdf");

  using Clock = std::chrono::steady_clock;
  const auto first = Clock::now();
  if (!WriteReport(object.get(), application.get()))
    return state.SkipWithError("the first report was not written");
  state.counters["first_report_ms"] =
      std::chrono::duration<double, std::milli>(Clock::now() - first).count();
  for (auto _ : state)
    if (!WriteReport(object.get(), application.get()))
      return state.SkipWithError("a report was not written");
  state.counters["pdf_KB"] =
      static_cast<double>(std::filesystem::file_size(dir + "/report.pdf")) / 1024.0;
  object->Destroy();
  std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(ReportToPdf)->Iterations(20)->Unit(benchmark::kMillisecond);
