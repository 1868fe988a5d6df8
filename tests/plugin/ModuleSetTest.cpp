// Placing and removing expansion modules along the bundled configuration tree.
#include <algorithm>
#include <map>
#include <random>

#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/BundledObjectFixture.h"

namespace {

using Strings = std::vector<std::string>;

// What the object looks like to a host and to the editor's add menu.
struct Snapshot {
  Strings outputs, inputs, addable;
  std::string tag;
  LONG cdb = 0, ddb = 0;
  bool operator==(const Snapshot&) const = default;
};

// The object saved under a fresh root, as its element's XML.
std::string SavedXml(CDBAppObject& object) {
  auto document = qxml::CreateDocument();
  auto root = qxml::AppendElement(document.get(), document.get(), "Project");
  object.XmlSave(root.get(), document.get());
  qcom::Bstr text;
  if (auto saved = qxml::ChildElements(root.get()); !saved.empty()) saved[0]->get_xml(text.out());
  return text.utf8();
}

class ModuleSet : public BundledObjectFixture {
 protected:
  // "ID@slot tag" of each template the add menu offers.
  Strings Addable() {
    Strings out;
    for (const auto& entry : object->ModuleTemplates()->Items())
      if (entry.item->IsAddable())
        out.push_back(entry.key + "@" + std::to_string(entry.item->TargetSlot()) + " " +
                      entry.item->MapTypModTag());
    return out;
  }

  Snapshot Take() {
    Snapshot s{OutputNames(),
               {},
               Addable(),
               object->MapTypMod(),
               Get(&CDBAppObject::get_CDBDimension),
               Get(&CDBAppObject::get_DDBDimension)};
    for (const auto& entry : object->InputSet()->Items()) s.inputs.push_back(entry.key);
    return s;
  }
};

}  // namespace

// Step by step; that each removal restores the earlier state, the chain walk below checks.
TEST_F(ModuleSet, AnalogThenDigitalStepByStep) {
  EXPECT_EQ(Addable(), (Strings{"EB4AI2AO@1 010301", "EB4AO@1 010201", "EB4DI4DO@1 010C01",
                                "EB8DI@1 010401", "EB8DIC@1 011401", "EB8DO@1 010801"}));
  ASSERT_TRUE(Add("eb4ai2ao"));  // template keys ignore letter case
  EXPECT_EQ(Addable(), (Strings{"EB4AO@2 030202", "EB4DI4DO@2 030C02", "EB8DI@2 030402",
                                "EB8DIC@2 031402", "EB8DO@2 030802"}));
  auto digital = Add("EB8DI");
  ASSERT_TRUE(digital);
  // Channel numbers run on over the modules: the second module's inputs are 8 to 15.
  EXPECT_EQ(digital->DIs()->At(1)->NameText(), "Binary (8)");
  EXPECT_EQ(digital->DIs()->At(8)->NameText(), "Binary (15)");
  EXPECT_EQ(Addable(), Strings{"EB4AO@3 070203"});
  // Modules placed beyond the tree (as a saved element may list them) leave
  // nothing addable, until they are removed again.
  ASSERT_TRUE(Add("EB8DO") && Add("EB8DO"));
  EXPECT_EQ(Addable(), Strings{});
  RemoveLast();
  EXPECT_EQ(Addable(), Strings{});
  RemoveLast();
  EXPECT_EQ(Addable(), Strings{"EB4AO@3 070203"});
}

TEST_F(ModuleSet, EveryAllowedChainAddsRoundTripsAndRemovesCleanly) {
  // Channel counts per template, as the template files state them.
  struct Counts {
    int ai, ao, di, dO, counters;
  };
  const std::map<std::string, Counts> counts = {
      {"EB4AI2AO", {4, 2, 0, 0, 0}}, {"EB4AO", {0, 4, 0, 0, 0}},  {"EB4DI4DO", {0, 0, 4, 4, 0}},
      {"EB8DI", {0, 0, 8, 0, 0}},    {"EB8DIC", {0, 0, 8, 0, 8}}, {"EB8DO", {0, 0, 0, 8, 0}}};
  std::mt19937 random(4600);
  auto randomize = [&](auto* channels) {
    for (size_t i = 1; channels && i <= channels->Count(); ++i)
      for (const auto& p : channels->At(i)->Attributes()->Items()) {
        const std::string& desc = p.item->Type().EnumDesc();
        int span = desc.empty() ? 100 : static_cast<int>(std::count(desc.begin(), desc.end(), ';'));
        p.item->SetValueText(std::to_string(static_cast<int>(random() % span)));
      }
  };
  // Snapshots along the current chain: levels[n] with n modules placed.
  std::vector<Snapshot> levels = {Take()};
  auto placed = [&](const Strings& chain) {
    levels.resize(chain.size());
    levels.push_back(Take());
    const Snapshot &before = levels[chain.size() - 1], &now = levels.back();
    const std::string where = ::testing::PrintToString(chain);

    // Dimension figures from the formulas, over the chain's counts.
    Counts n{};
    bool diInSlot2 = false, doInSlot2 = false;
    for (size_t i = 0; i < chain.size(); ++i) {
      const Counts& c = counts.at(chain[i]);
      n.ai += c.ai, n.ao += c.ao, n.di += c.di, n.dO += c.dO, n.counters += c.counters;
      if (i == 1) diInSlot2 = c.di > 0, doInSlot2 = c.dO > 0;
    }
    EXPECT_EQ(now.cdb, 25 + (n.di > 0 ? 1 + diInSlot2 : 0) + (n.dO > 0 ? 1 + doInSlot2 : 0) +
                           n.counters + 4 * n.ao + 2 * n.dO + 14 * n.ai)
        << where;
    EXPECT_EQ(now.ddb,
              24 + 8 + 3 * n.di + 10 * n.counters + 2 * n.ao + (n.ai > 0 ? 8 * n.ai + 4 : 0))
        << where;

    // Announced points: one output per AI and DI reference (the first AI
    // brings the alarm status), one input per AO and DO.
    const Counts& c = counts.at(chain.back());
    const size_t outputs = c.ai + (c.ai > 0 ? 1 : 0) + c.di + c.counters, inputs = c.ao + c.dO;
    auto announced = [&](const std::string& what) {
      return static_cast<size_t>(
          std::count_if(sink->calls.begin(), sink->calls.end(),
                        [&](auto& call) { return call.rfind(what, 0) == 0; }));
    };
    EXPECT_EQ(announced("RefOutAdded"), outputs) << where;
    EXPECT_EQ(announced("RefInAdded"), inputs) << where;
    EXPECT_EQ(now.outputs.size(), before.outputs.size() + outputs) << where;
    EXPECT_EQ(now.inputs.size(), before.inputs.size() + inputs) << where;

    // With random values within each parameter's limits (or its enumeration),
    // the saved element loads into an equal object with the same stream.
    for (const auto& entry : object->ModuleSet()->Modules()) {
      randomize(entry.item->AIs());
      randomize(entry.item->AOs());
      randomize(entry.item->DIs());
      randomize(entry.item->DOs());
    }
    object->AttributeSet()->Item("Priority")->SetValueText(std::to_string(1 + random() % 8));
    const std::string saved = SavedXml(*object);
    auto copy = Another();
    copy->XmlLoad(Parse(saved).get());
    EXPECT_EQ(SavedXml(*copy), saved) << where;
    EXPECT_EQ(Stream(*copy), Stream(*object)) << where;
    copy->Destroy();
    sink->calls.clear();
  };
  auto removed = [&](const Strings& chain) {
    sink->calls.clear();
    EXPECT_EQ(Take(), levels[chain.size()]) << "back to " << ::testing::PrintToString(chain);
  };
  EXPECT_EQ(ForEveryChain(placed, removed), 32);
  EXPECT_EQ(Take(), levels[0]);
  EXPECT_TRUE(messages->Messages().empty()) << messages->Texts().front();
}

TEST_F(ModuleSet, ConnectedModulesStayUntilTheirConnectionsGo) {
  ASSERT_TRUE(Add("EB4AI2AO"));
  auto alarm = object->OutputSet()->Items().ByKey("AI AlarmStatus");
  auto connable = qcom::QueryAs<ISubItemConnable>(static_cast<IOutput*>(alarm.get()));
  connable->put_IsConnected(VARIANT_TRUE);
  RemoveLast();
  EXPECT_EQ(messages->Messages(),
            (std::vector<platform::RecordedMessage>{
                {"The Module cannot be removed: delete the connections before removing the module!",
                 48, "Warning"}}));
  EXPECT_EQ(object->ModuleSet()->Count(), 1u)
      << "the alarm status keeps the module, though no channel is connected";
  connable->put_IsConnected(VARIANT_FALSE);
  RemoveLast();
  EXPECT_EQ(object->ModuleSet()->Count(), 0u);

  // One connected point of any kind of channel keeps its module.
  for (const char* id : {"EB4AO", "EB8DI", "EB8DO"}) {
    ASSERT_TRUE(Add(id)) << id;
    auto point = object->InputSet()->Count()
                     ? qcom::QueryAs<ISubItemConnable>(
                           static_cast<IInput*>(object->InputSet()->Items().At(1).get()))
                     : qcom::QueryAs<ISubItemConnable>(
                           static_cast<IOutput*>(object->OutputSet()->Items().At(1).get()));
    point->put_IsConnected(VARIANT_TRUE);
    RemoveLast();
    EXPECT_EQ(object->ModuleSet()->Count(), 1u) << id;
    point->put_IsConnected(VARIANT_FALSE);
    RemoveLast();
    EXPECT_EQ(object->ModuleSet()->Count(), 0u) << id;
  }
}
