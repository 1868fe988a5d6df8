// Placing and removing expansion modules along the bundled configuration tree.
#include <map>

#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/BundledObjectFixture.h"

namespace {

// What the object looks like to a host and to the editor's add menu.
struct Snapshot {
  std::vector<std::string> outputs, inputs, addable;
  std::string tag;
  LONG cdb = 0, ddb = 0;
  bool operator==(const Snapshot&) const = default;
};

class ModuleSet : public BundledObjectFixture {
 protected:
  CDBEBModules& Set() { return *object->ModuleSet(); }
  CDBEBTemplates& Templates() { return *object->ModuleTemplates(); }

  std::vector<std::string> Addable() {
    std::vector<std::string> out;
    for (const auto& entry : Templates().Items())
      if (entry.item->IsAddable())
        out.push_back(entry.key + "@" + std::to_string(entry.item->TargetSlot()) + " " +
                      entry.item->MapTypModTag());
    return out;
  }

  Snapshot Take() {
    Snapshot s;
    s.outputs = OutputNames();
    for (const auto& entry : object->InputSet()->Items()) s.inputs.push_back(entry.key);
    s.addable = Addable();
    s.tag = object->MapTypMod();
    s.cdb = Get(&CDBAppObject::get_CDBDimension);
    s.ddb = Get(&CDBAppObject::get_DDBDimension);
    return s;
  }

  template <class Channels>
  static std::vector<int32_t> Numbers(Channels* channels) {
    std::vector<int32_t> numbers;
    for (size_t i = 1; channels && i <= channels->Count(); ++i)
      numbers.push_back(channels->At(i)->IndexValue());
    return numbers;
  }
};

}  // namespace

TEST_F(ModuleSet, CatalogueHoldsEveryBundledTemplateAddableInSlotOne) {
  EXPECT_EQ(Addable(),
            (std::vector<std::string>{"EB4AI2AO@1 010301", "EB4AO@1 010201", "EB4DI4DO@1 010C01",
                                      "EB8DI@1 010401", "EB8DIC@1 011401", "EB8DO@1 010801"}));
  auto analog = Templates().Item("eb4ai2ao");
  ASSERT_TRUE(analog) << "template keys ignore letter case";
  EXPECT_EQ(analog->AICount(), 4);
  EXPECT_EQ(analog->AOCount(), 2);
  EXPECT_EQ(Templates().Item("EB8DIC")->DICount(), 8);
  EXPECT_TRUE(messages->Messages().empty());
}

// Step by step; that each removal restores the earlier state, the chain walk below checks.
TEST_F(ModuleSet, AnalogThenDigitalStepByStep) {
  auto a = Add("EB4AI2AO");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->Slot(), 1);
  EXPECT_EQ(a->Key(), "EB1");
  EXPECT_EQ(Numbers(a->AIs()), (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_EQ(Numbers(a->AOs()), (std::vector<int32_t>{4, 5}));
  EXPECT_EQ(a->AIs()->At(2)->GlobalKeyText(), "EB1\\AI\\2");
  EXPECT_EQ(a->AOs()->At(1)->GlobalKeyText(), "EB1\\AO\\1");
  EXPECT_EQ(a->AOs()->At(1)->NameText(), "Analog (4)");
  EXPECT_EQ(object->MapTypMod(), "010301");
  EXPECT_EQ(Addable(),
            (std::vector<std::string>{"EB4AO@2 030202", "EB4DI4DO@2 030C02", "EB8DI@2 030402",
                                      "EB8DIC@2 031402", "EB8DO@2 030802"}));
  EXPECT_EQ(sink->calls.back(), "CDBChanged 0 0 0");
  EXPECT_EQ(editor->calls.front(), "update add menu");
  EXPECT_EQ(std::count(editor->calls.begin(), editor->calls.end(), "remove commands on"), 1);

  auto b = Add("EB8DI");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Slot(), 2);
  EXPECT_EQ(b->Key(), "EB2");
  EXPECT_EQ(Numbers(b->DIs()), (std::vector<int32_t>{8, 9, 10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(b->DIs()->At(8)->NameText(), "Binary (15)");
  EXPECT_EQ(object->MapTypMod(), "030402");
  EXPECT_EQ(Addable(), std::vector<std::string>{"EB4AO@3 070203"});

  auto channel = object->ChannelByKey("DI", "EB2\\DI\\3");
  EXPECT_EQ(channel.get(), static_cast<IDispatch*>(b->DIs()->At(3).get()));
  EXPECT_FALSE(object->ChannelByKey("DI", "EB2\\XX\\3"));
  EXPECT_FALSE(object->ChannelByKey("DI", "EB7\\DI\\1"));

  editor->calls.clear();
  RemoveLast();
  EXPECT_EQ(editor->calls.front(), "remove DI EB2\\DI\\1");
  RemoveLast();
  EXPECT_EQ(editor->calls.back(), "remove commands off");
  EXPECT_EQ(Set().Count(), 0u);
  // The key counter runs backwards with removals.
  EXPECT_EQ(Add("EB8DO")->Key(), "EB1");
}

TEST_F(ModuleSet, EveryAllowedChainAddsAndRemovesCleanly) {
  // Channel counts per template, as the template files state them.
  struct Counts {
    int ai, ao, di, dO, counters;
  };
  const std::map<std::string, Counts> counts = {
      {"EB4AI2AO", {4, 2, 0, 0, 0}}, {"EB4AO", {0, 4, 0, 0, 0}},  {"EB4DI4DO", {0, 0, 4, 4, 0}},
      {"EB8DI", {0, 0, 8, 0, 0}},    {"EB8DIC", {0, 0, 8, 0, 8}}, {"EB8DO", {0, 0, 0, 8, 0}}};
  // Snapshots along the current chain: levels[n] with n modules placed.
  std::vector<Snapshot> levels = {Take()};
  auto placed = [&](const std::vector<std::string>& chain) {
    levels.resize(chain.size());
    levels.push_back(Take());
    const Snapshot& before = levels[chain.size() - 1];
    const std::string chainText = ::testing::PrintToString(chain);

    // Dimension figures from the formulas, over the chain's counts.
    int nai = 0, nao = 0, ndi = 0, ndo = 0, nc = 0;
    bool diInSlot2 = false, doInSlot2 = false;
    for (size_t i = 0; i < chain.size(); ++i) {
      const Counts& c = counts.at(chain[i]);
      nai += c.ai, nao += c.ao, ndi += c.di, ndo += c.dO, nc += c.counters;
      if (i == 1) diInSlot2 = c.di > 0, doInSlot2 = c.dO > 0;
    }
    EXPECT_EQ(Get(&CDBAppObject::get_CDBDimension), 25 + (ndi > 0 ? 1 + diInSlot2 : 0) +
                                                        (ndo > 0 ? 1 + doInSlot2 : 0) + nc +
                                                        4 * nao + 2 * ndo + 14 * nai)
        << chainText;
    EXPECT_EQ(Get(&CDBAppObject::get_DDBDimension),
              24 + 8 + 3 * ndi + 10 * nc + 2 * nao + (nai > 0 ? 8 * nai + 4 : 0))
        << chainText;

    // Announced points: one output per AI and DI reference (the first AI
    // brings the alarm status), one input per AO and DO.
    const Counts& c = counts.at(chain.back());
    size_t outputs = c.ai + (c.ai > 0 ? 1 : 0) + c.di + c.counters;
    size_t inputs = c.ao + c.dO;
    size_t announcedOut = 0, announcedIn = 0;
    for (const std::string& call : sink->calls) {
      if (call.rfind("RefOutAdded", 0) == 0) ++announcedOut;
      if (call.rfind("RefInAdded", 0) == 0) ++announcedIn;
    }
    sink->calls.clear();
    EXPECT_EQ(announcedOut, outputs) << chainText;
    EXPECT_EQ(announcedIn, inputs) << chainText;
    EXPECT_EQ(object->OutputSet()->Count(), before.outputs.size() + outputs) << chainText;
    EXPECT_EQ(object->InputSet()->Count(), before.inputs.size() + inputs) << chainText;
  };
  auto removed = [&](const std::vector<std::string>& chain) {
    sink->calls.clear();
    EXPECT_EQ(Take(), levels[chain.size()]) << "back to " << ::testing::PrintToString(chain);
  };
  EXPECT_EQ(ForEveryChain(placed, removed), 32);
  EXPECT_EQ(Take(), levels[0]);
  EXPECT_EQ(object->MapTypMod(), "000000");
  EXPECT_TRUE(messages->Messages().empty()) << messages->Texts().front();
}

TEST_F(ModuleSet, ConnectedModulesStayUntilTheirConnectionsGo) {
  auto a = Add("EB4AI2AO");
  ASSERT_TRUE(a);
  auto alarm = object->OutputSet()->Items().ByKey("AI AlarmStatus");
  auto connable = qcom::QueryAs<ISubItemConnable>(static_cast<IOutput*>(alarm.get()));
  connable->put_IsConnected(VARIANT_TRUE);
  RemoveLast();
  EXPECT_EQ(messages->Messages(),
            (std::vector<platform::RecordedMessage>{
                {"The Module cannot be removed: delete the connections before removing the module!",
                 48, "Warning"}}));
  EXPECT_EQ(Set().Count(), 1u)
      << "the alarm status keeps the module, though no channel is connected";
  connable->put_IsConnected(VARIANT_FALSE);
  RemoveLast();
  EXPECT_EQ(Set().Count(), 0u);
  EXPECT_EQ(object->OutputSet()->Count(), 0u);
}

TEST_F(ModuleSet, TemplatesOutsideTheTreeAndMissingTemplates) {
  // A template the tree never offered keeps target slot 0: channel numbers from -8.
  auto digital = Templates().Item("EB8DI");
  Add("EB8DO");
  ASSERT_EQ(digital->TargetSlot(), 2);
  Templates().ClearAddable();
  EXPECT_FALSE(digital->IsAddable());
  EXPECT_EQ(digital->TargetSlot(), 2) << "clearing keeps the last target slot";
  RemoveLast();

  auto fresh = qcom::Make<CDBEBTemplates>();
  fresh->Build();
  auto neverMarked = fresh->Item("EB4DI4DO");
  auto placed = Set().AddModule(neverMarked.get());
  ASSERT_TRUE(placed);
  EXPECT_EQ(placed->Slot(), 0);
  EXPECT_EQ(Numbers(placed->DIs()), (std::vector<int32_t>{-8, -7, -6, -5}));
  EXPECT_TRUE(Addable().empty()) << "no chain through slot 0";
  RemoveLast();

  Set().AddModule(nullptr);
  EXPECT_EQ(messages->Texts().back(),
            "The Module can not be added: Verify the resource used inside the Application!");
  EXPECT_EQ(messages->Messages().back().style, 48);
  EXPECT_EQ(Set().Count(), 0u);
}

TEST_F(ModuleSet, DestroyAndReleaseLeaveNoLiveObject) {
  // Everything this test makes comes on top of what the fixture holds.
  object->Destroy();
  object = nullptr;
  editor = nullptr;
  sink = nullptr;
  const int32_t start = qcom::ThisModule().objects.load();
  {
    auto app = Another();
    auto hostSink = qcom::Make<testing_support::RecordingSink>();
    app->CallBack(hostSink.get());
    for (const char* id : {"EB4AI2AO", "EB8DIC", "EB4AO"}) ASSERT_TRUE(Add(*app, id));
    EXPECT_GT(qcom::ThisModule().objects.load(), start + 100);
    app->Destroy();
  }
  EXPECT_EQ(qcom::ThisModule().objects.load(), start);
}

TEST_F(ModuleSet, ObjectsShareTheParsedDefinitionFiles) {
  // A parsed document costs tens of kilobytes and a project places hundreds of
  // objects: every object and module reads the same parsed files, so placing
  // another object with the same modules adds no document.
  auto place = [] {
    auto app = Another();
    for (const char* id : {"EB4AI2AO", "EB8DIC", "EB4AO"}) EXPECT_TRUE(Add(*app, id));
    return app;
  };
  auto first = place();
  const int32_t afterFirst = qxml::LiveObjectCount();
  auto app = place();
  EXPECT_EQ(qxml::LiveObjectCount(), afterFirst);
  first->Destroy();
  // What the documents said stays with the catalogue entries and the placed modules.
  auto entry = app->ModuleTemplates()->Item("EB4AI2AO");
  EXPECT_EQ(entry->NameText(), "EB 4AI/2AO");
  EXPECT_EQ(entry->AICount(), 4);
  EXPECT_EQ(entry->AOCount(), 2);
  auto counters = app->ModuleSet()->Item("EB2");
  ASSERT_TRUE(counters);
  EXPECT_EQ(counters->DIs()->Count(), 8u);
  EXPECT_EQ(counters->CounterCount(), 8);
  app->Destroy();
}
