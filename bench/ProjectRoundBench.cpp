// The host's main job over a project of placed TQ4600 objects (load every
// object, read every stream, save the project), against pugixml alone parsing
// and serialising the same project text; and the same job over one object
// holding thousands of modules.
//
//   tq_bench [--tq_objects=N] [benchmark flags]
//
// N defaults to 1000; a smaller N makes a profile run affordable.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "BundledData.h"
#include "ProjectGenerator.h"
#include "ProjectRound.h"
#include "ports/EditorFactory.h"
#include "ui/EditorInstall.h"

namespace {

// Fixed iteration counts keep the whole run near a minute on a small machine.
constexpr int kRoundIterations = 10;
constexpr int kPugixmlIterations = 200;

// Wall and processor seconds.
struct Spent {
  double wall = 0;
  double cpu = 0;
};

struct Setup {
  int objects = 1000;
  std::unique_ptr<bench::BundledData> data;
  std::string projectUtf8;
  qcom::Bstr projectXml;
  std::string error;
  // Seconds per iteration of the pugixml benchmark, once it has run.
  Spent pugixml;
};

Setup& State() {
  static Setup setup;
  return setup;
}

double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration elapsed) {
  return std::chrono::duration<double>(elapsed).count();
}

// Processor time of the whole process: on a machine shared with other work the
// wall time includes waiting for a core, the processor time does not.
double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void ProjectRound(benchmark::State& state) {
  Setup& setup = State();
  if (!setup.error.empty()) {
    state.SkipWithError(setup.error.c_str());
    return;
  }
  size_t objects = 0, savedChars = 0;
  Spent total;
  // Every parameter gets its edit dialog, as in the loaded component.
  ui::InstallEditDialogFactory();
  for (auto _ : state) {
    auto start = Clock::now();
    double cpuStart = ProcessCpuSeconds();
    bench::RoundResult result = bench::RunRound(setup.projectXml.get(), setup.data->Catalogue());
    total.cpu += ProcessCpuSeconds() - cpuStart;
    total.wall += Seconds(Clock::now() - start);
    if (!result.error.empty()) {
      state.SkipWithError(result.error.c_str());
      return;
    }
    objects = result.objects;
    savedChars = result.savedXml.length();
    benchmark::DoNotOptimize(savedChars);
  }
  if (!setup.data->Messages().Messages().empty()) {
    static std::string message;
    message = "the component showed: " + setup.data->Messages().Texts().front();
    state.SkipWithError(message.c_str());
    return;
  }
  const double rounds = static_cast<double>(state.iterations());
  const double wall = total.wall / rounds, cpu = total.cpu / rounds;
  state.counters["objects"] = static_cast<double>(objects);
  state.counters["round_ms"] = wall * 1e3;
  state.counters["round_cpu_ms"] = cpu * 1e3;
  state.counters["per_object_us"] = wall * 1e6 / static_cast<double>(objects);
  state.counters["per_object_cpu_us"] = cpu * 1e6 / static_cast<double>(objects);
  state.counters["peak_rss_MB"] = PeakResidentMegabytes();
  state.counters["saved_MB"] = static_cast<double>(savedChars) / (1024.0 * 1024.0);
  if (setup.pugixml.wall > 0) state.counters["x_pugixml"] = wall / setup.pugixml.wall;
  if (setup.pugixml.cpu > 0) state.counters["x_pugixml_cpu"] = cpu / setup.pugixml.cpu;
}

void PugixmlParseSerialise(benchmark::State& state) {
  Setup& setup = State();
  if (!setup.error.empty()) {
    state.SkipWithError(setup.error.c_str());
    return;
  }
  struct Collect : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
      text.append(static_cast<const char*>(data), size);
    }
  };
  Spent total;
  for (auto _ : state) {
    auto start = Clock::now();
    double cpuStart = ProcessCpuSeconds();
    pugi::xml_document document;
    document.load_buffer(setup.projectUtf8.data(), setup.projectUtf8.size());
    Collect writer;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
    benchmark::DoNotOptimize(writer.text.data());
    total.cpu += ProcessCpuSeconds() - cpuStart;
    total.wall += Seconds(Clock::now() - start);
  }
  const double rounds = static_cast<double>(state.iterations());
  setup.pugixml = Spent{total.wall / rounds, total.cpu / rounds};
  state.counters["round_ms"] = setup.pugixml.wall * 1e3;
  state.counters["round_cpu_ms"] = setup.pugixml.cpu * 1e3;
  state.counters["project_MB"] = static_cast<double>(setup.projectUtf8.size()) / (1024.0 * 1024.0);
}

// One object whose saved element lists state.range(0) modules, the six
// templates in turn: far more than any chain the tree allows, but the object
// places whatever a saved element lists, so its round (load, stream, save,
// destroy) must grow in step with the module count.
void ManyModulesRound(benchmark::State& state) {
  Setup& setup = State();
  if (!setup.error.empty()) {
    state.SkipWithError(setup.error.c_str());
    return;
  }
  static constexpr const char* kTemplates[] = {"EB4AI2AO", "EB8DIC", "EB4AO",
                                               "EB8DO",    "EB8DI",  "EB4DI4DO"};
  const auto modules = static_cast<size_t>(state.range(0));
  std::string xml = "<Project><TQ4600><Modules>";
  for (size_t i = 0; i < modules; ++i) xml.append("<").append(kTemplates[i % 6]).append("/>");
  const qcom::Bstr project(xml + "</Modules></TQ4600></Project>");
  // With the editor window, as in a host: its channel lists fill while modules are placed.
  ui::InstallEditorFactory();
  ui::InstallEditDialogFactory();
  Spent total;
  bench::RoundResult result;
  for (auto _ : state) {
    auto start = Clock::now();
    double cpuStart = ProcessCpuSeconds();
    result = bench::RunRound(project.get(), setup.data->Catalogue());
    total.cpu += ProcessCpuSeconds() - cpuStart;
    total.wall += Seconds(Clock::now() - start);
    if (!result.error.empty()) break;
  }
  ports::SetEditorFactory(nullptr);
  if (!result.error.empty()) {
    state.SkipWithError(result.error.c_str());
    return;
  }
  const double rounds = static_cast<double>(state.iterations());
  state.counters["modules"] = static_cast<double>(modules);
  state.counters["round_ms"] = total.wall / rounds * 1e3;
  state.counters["round_cpu_ms"] = total.cpu / rounds * 1e3;
  state.counters["per_module_us"] = total.wall / rounds * 1e6 / static_cast<double>(modules);
  state.counters["stream_chars"] = static_cast<double>(result.streamChars);
}

// The pugixml baseline runs first, so the round can report its ratio to it.
BENCHMARK(PugixmlParseSerialise)->Iterations(kPugixmlIterations)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjectRound)->Iterations(kRoundIterations)->Unit(benchmark::kMillisecond);
// Runs last: whatever the component shows for such an object is left out of the rounds above.
BENCHMARK(ManyModulesRound)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Takes --tq_objects=N out of the arguments; false when its value is not a count.
bool TakeObjectCount(int& argc, char** argv, int& objects) {
  constexpr const char* kFlag = "--tq_objects=";
  int kept = 1;
  bool ok = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kFlag, std::strlen(kFlag)) == 0) {
      char* end = nullptr;
      long value = std::strtol(argv[i] + std::strlen(kFlag), &end, 10);
      ok = end && *end == '\0' && value > 0 && value <= 1000000;
      if (ok) objects = static_cast<int>(value);
      continue;
    }
    argv[kept++] = argv[i];
  }
  argc = kept;
  return ok;
}

// Generates the project and checks that one round saves exactly what it loaded.
void Prepare(Setup& setup) {
  setup.data = std::make_unique<bench::BundledData>();
  if (!setup.data->Ready()) {
    setup.error = "the bundled SNVT catalogue could not be read (" TQ_SNVT_FILE ")";
    return;
  }
  bench::GeneratedProject project = bench::GenerateProject(setup.objects, setup.data->Catalogue());
  if (!project.error.empty()) {
    setup.error = "generating the project failed: " + project.error;
    return;
  }
  setup.projectUtf8 = std::move(project.xml);
  setup.projectXml = qcom::Bstr(setup.projectUtf8);
  bench::RoundResult check = bench::RunRound(setup.projectXml.get(), setup.data->Catalogue());
  if (!check.error.empty()) {
    setup.error = check.error;
  } else if (check.objects != static_cast<size_t>(setup.objects)) {
    setup.error = "the round placed " + std::to_string(check.objects) + " objects";
  } else if (check.savedXml.view() != bench::ReloadedXml(setup.projectXml.get()).view()) {
    setup.error = "the saved project differs from the loaded one";
  } else if (!setup.data->Messages().Messages().empty()) {
    setup.error = "the component showed: " + setup.data->Messages().Texts().front();
  }
}

}  // namespace

namespace bench {
// Measures one project size for the scale benchmark and prints its figures.
int RunScaleMeasurement(int objects);
}  // namespace bench

int main(int argc, char** argv) {
  // A run of its own for one size of the scale benchmark.
  constexpr const char* kScaleFlag = "--tq_scale_objects=";
  if (argc == 2 && std::strncmp(argv[1], kScaleFlag, std::strlen(kScaleFlag)) == 0)
    return bench::RunScaleMeasurement(std::atoi(argv[1] + std::strlen(kScaleFlag)));
  Setup& setup = State();
  if (!TakeObjectCount(argc, argv, setup.objects)) {
    std::fprintf(stderr, "--tq_objects takes a count from 1 to 1000000\n");
    return 2;
  }
  Prepare(setup);
  if (!setup.error.empty()) std::fprintf(stderr, "tq_bench: %s\n", setup.error.c_str());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  setup.data.reset();
  return setup.error.empty() ? 0 : 1;
}
