// What the engineer's tools ask of an object against what stream asks: the
// stream read alone, the stream taken apart with every field read as explain
// prints it, and check's questions (every parameter's value and refusal and
// every field's flags). Each runs over the same placed three-module objects.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BundledData.h"
#include "ProjectRound.h"
#include "com/Bstr.h"
#include "com/Variant.h"
#include "faces/Engineering.h"
#include "ui/EditorInstall.h"
#include "xml/Elements.h"

namespace {

constexpr int kObjects = 200;

struct Objects {
  bench::BundledData data;
  std::vector<qcom::ComPtr<IAppObject>> placed;
  Objects() {
    ui::InstallEditDialogFactory();
    auto saved = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    saved->loadXML(
        qcom::Bstr("<TQ4600><Modules><EB4AI2AO/><EB8DIC/><EB4AO/></Modules></TQ4600>").get(), &ok);
    for (int i = 0; i < kObjects; ++i) {
      auto object = bench::PlaceObject(data.Catalogue(), qcom::Bstr("TQ4600").get());
      object->XmlLoad(qxml::RootOf(saved.get()).get());
      placed.push_back(object);
    }
  }
  ~Objects() {
    for (auto& object : placed) object->Destroy();
  }
};

Objects& Placed() {
  static Objects objects;
  return objects;
}

// Reads every text getter of each item of a list, as a host printing it does.
template <class I>
size_t ReadAll(IEngineeringList* list, std::initializer_list<HRESULT (I::*)(BSTR*)> getters) {
  size_t chars = 0;
  LONG count = 0;
  list->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::Variant item;
    list->get_Item(qcom::Variant(int32_t{i}).raw(), item.out());
    auto face = qcom::QueryAs<I>(item.object());
    for (auto getter : getters) {
      qcom::Bstr text;
      (face.get()->*getter)(text.out());
      chars += text.utf8().size();
    }
  }
  return chars;
}

size_t ExplainOne(IEngineering* engineering) {
  qcom::ComPtr<IStreamExplanation> explained;
  engineering->ExplainStream(explained.put());
  qcom::ComPtr<IEngineeringList> fields;
  explained->get_Fields(fields.put());
  using F = IStreamField;
  return ReadAll<F>(fields.get(), {&F::get_Hex, &F::get_Row, &F::get_Name, &F::get_Stored,
                                   &F::get_ReadBack, &F::get_Note});
}

void Stream(benchmark::State& state) {
  Placed();
  for (auto _ : state)
    for (auto& object : Placed().placed) {
      qcom::Bstr stream;
      object->get_Stream(stream.out());
      benchmark::DoNotOptimize(stream.get());
    }
  state.SetItemsProcessed(state.iterations() * kObjects);
}

void Explain(benchmark::State& state) {
  Placed();
  for (auto _ : state)
    for (auto& object : Placed().placed)
      benchmark::DoNotOptimize(ExplainOne(qcom::QueryAs<IEngineering>(object.get()).get()));
  state.SetItemsProcessed(state.iterations() * kObjects);
}

void Check(benchmark::State& state) {
  Placed();
  for (auto _ : state)
    for (auto& object : Placed().placed) {
      auto engineering = qcom::QueryAs<IEngineering>(object.get());
      qcom::ComPtr<IEngineeringList> parameters;
      engineering->get_Parameters(parameters.put());
      using P = IEngineeringParameter;
      benchmark::DoNotOptimize(
          ReadAll<P>(parameters.get(), {&P::get_Path, &P::get_Value, &P::get_Refusal}));
      benchmark::DoNotOptimize(ExplainOne(engineering.get()));
    }
  state.SetItemsProcessed(state.iterations() * kObjects);
}

// Loading an object, which every command does first, for scale.
void Load(benchmark::State& state) {
  auto saved = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  saved->loadXML(
      qcom::Bstr("<TQ4600><Modules><EB4AI2AO/><EB8DIC/><EB4AO/></Modules></TQ4600>").get(), &ok);
  Placed();
  for (auto _ : state) {
    auto object = bench::PlaceObject(Placed().data.Catalogue(), qcom::Bstr("TQ4600").get());
    object->XmlLoad(qxml::RootOf(saved.get()).get());
    object->Destroy();
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(Stream)->Unit(benchmark::kMillisecond);
BENCHMARK(Explain)->Unit(benchmark::kMillisecond);
BENCHMARK(Check)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Unit(benchmark::kMicrosecond);
