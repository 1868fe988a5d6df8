// The project round at 100, 1,000 and 10,000 objects, each in a process of its
// own, so that its peak resident set is the round's alone: time and memory per
// object should stay the same as the project grows.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "BundledData.h"
#include "ProjectGenerator.h"
#include "ProjectRound.h"
#include "ui/EditorInstall.h"

namespace {

// What the measuring process sends back; error is empty on success.
struct Figures {
  double wallPerObject = 0;  // seconds
  double cpuPerObject = 0;   // seconds
  double peakResidentKilobytes = 0;
  int rounds = 0;
  char error[256] = {};
};

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void Fail(Figures& figures, const std::string& what) {
  std::snprintf(figures.error, sizeof figures.error, "%s", what.c_str());
}

// Generates a project of that many objects and times its rounds after one
// that warms the component up.
Figures Measure(int objects) {
  Figures figures;
  bench::BundledData data;
  if (!data.Ready()) return Fail(figures, "the bundled SNVT catalogue could not be read"), figures;
  ui::InstallEditDialogFactory();
  bench::GeneratedProject project = bench::GenerateProject(objects, data.Catalogue());
  if (!project.error.empty()) return Fail(figures, project.error), figures;
  const qcom::Bstr xml(project.xml);
  project.xml.clear();
  project.xml.shrink_to_fit();
  const int rounds = std::clamp(20000 / objects, 1, 30);
  double wall = 0, cpu = 0;
  for (int round = 0; round <= rounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    double cpuStart = CpuSeconds();
    bench::RoundResult result = bench::RunRound(xml.get(), data.Catalogue());
    if (!result.error.empty()) return Fail(figures, result.error), figures;
    if (result.objects != static_cast<size_t>(objects))
      return Fail(figures, "the round placed " + std::to_string(result.objects) + " objects"),
             figures;
    if (round == 0) continue;
    cpu += CpuSeconds() - cpuStart;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  if (!data.Messages().Messages().empty())
    return Fail(figures, "the component showed: " + data.Messages().Texts().front()), figures;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  figures.wallPerObject = wall / rounds / objects;
  figures.cpuPerObject = cpu / rounds / objects;
  figures.peakResidentKilobytes = static_cast<double>(usage.ru_maxrss);
  figures.rounds = rounds;
  return figures;
}

// Measure() in a new run of this program, which starts with nothing else in
// memory: "tq_bench --tq_scale_objects=N" prints the figures on one line.
Figures MeasureApart(int objects) {
  Figures figures;
  char self[4096];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return Fail(figures, "this program cannot be found"), figures;
  self[length] = '\0';
  const std::string command =
      "'" + std::string(self) + "' --tq_scale_objects=" + std::to_string(objects);
  FILE* run = popen(command.c_str(), "r");
  if (!run) return Fail(figures, "the measuring run did not start"), figures;
  char line[512] = {};
  const bool read = std::fgets(line, sizeof line, run) != nullptr;
  pclose(run);
  if (!read) return Fail(figures, "the measuring run printed nothing"), figures;
  if (std::sscanf(line, "figures %lf %lf %lf %d", &figures.wallPerObject, &figures.cpuPerObject,
                  &figures.peakResidentKilobytes, &figures.rounds) != 4)
    Fail(figures, std::string("the measuring run failed: ") + line);
  return figures;
}

void ScaleRound(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  Figures figures;
  for (auto _ : state) {
    figures = MeasureApart(objects);
    state.SetIterationTime(figures.wallPerObject * objects);
  }
  if (figures.error[0]) {
    state.SkipWithError(figures.error);
    return;
  }
  state.counters["objects"] = objects;
  state.counters["rounds"] = figures.rounds;
  state.counters["per_object_us"] = figures.wallPerObject * 1e6;
  state.counters["per_object_cpu_us"] = figures.cpuPerObject * 1e6;
  state.counters["peak_rss_MB"] = figures.peakResidentKilobytes / 1024.0;
  state.counters["rss_per_object_KB"] = figures.peakResidentKilobytes / objects;
}

}  // namespace

namespace bench {

int RunScaleMeasurement(int objects) {
  const Figures figures = Measure(objects);
  if (figures.error[0]) {
    std::printf("%s\n", figures.error);
    return 1;
  }
  std::printf("figures %.9g %.9g %.9g %d\n", figures.wallPerObject, figures.cpuPerObject,
              figures.peakResidentKilobytes, figures.rounds);
  return 0;
}

}  // namespace bench

BENCHMARK(ScaleRound)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
