// The four channel lists: columns, rows, cells, images and the tabs they open
// and close, driven by the real object on the bundled data.
#include <algorithm>

#include "faces/Points.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "ui/EditorFixture.h"

namespace {

using ports::ChannelKind;
using Strings = std::vector<std::string>;

using ChannelLists = EditorFixture;

TEST_F(ChannelLists, RowsShowTheChannelsOfEachKindWithTheirParameters) {
  auto module = Add("EB4AI2AO");
  ASSERT_TRUE(module);
  Open();

  const ui::ChannelList& ai = List(ChannelKind::AI);
  Strings expected = {"Channel", "EB Module"};
  for (const auto& entry : module->AIs()->At(1)->Attributes()->Items())
    expected.push_back(entry.item->NameText());
  EXPECT_EQ(ai.ColumnTexts(), expected);
  EXPECT_EQ(expected.size(), 14u) << "twelve parameters of the analog input template";
  EXPECT_EQ(ai.Columns()[1].key, "EBModule");
  EXPECT_EQ(ai.Columns()[2].key, ai.Columns()[2].text) << "parameter columns are keyed by name";

  EXPECT_EQ(RowKeys(ChannelKind::AI),
            (Strings{"EB1\\AI\\1", "EB1\\AI\\2", "EB1\\AI\\3", "EB1\\AI\\4"}));
  EXPECT_EQ(RowKeys(ChannelKind::AO), (Strings{"EB1\\AO\\1", "EB1\\AO\\2"}));
  EXPECT_TRUE(List(ChannelKind::DI).Rows().empty());
  EXPECT_EQ(List(ChannelKind::DI).ColumnTexts(), Strings{"Channel"});

  for (size_t position = 1; position <= 4; ++position) {
    const auto& channel = *module->AIs()->At(position);
    const ui::ListRow* row = ai.Row(channel.GlobalKeyText());
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cells[0], channel.NameText());
    EXPECT_EQ(row->image, "ai");
    EXPECT_EQ(ai.Cell(row->key, "EB Module"), "EB1");
    for (const auto& entry : channel.Attributes()->Items())
      EXPECT_EQ(ai.Cell(row->key, entry.item->NameText()), entry.item->DisplayValue())
          << row->key << " " << entry.item->NameText();
  }
  EXPECT_EQ(ai.Rows()[0].cells[0], "Analog (0)");
  EXPECT_EQ(List(ChannelKind::AO).Rows()[1].cells[0], "Analog (5)");
  EXPECT_EQ(List(ChannelKind::AO).Rows()[1].image, "ao");
  EXPECT_EQ(List(ChannelKind::AO).ColumnTexts(), (Strings{"Channel", "EB Module", "OutputMode"}));
  EXPECT_TRUE(ai.Row("eb1\\ai\\3")) << "row keys ignore letter case";
  EXPECT_FALSE(ai.Row("EB1\\AI\\5"));
  EXPECT_EQ(ai.Cell("EB1\\AI\\5", "EB Module"), "");
  EXPECT_EQ(ai.Cell("EB1\\AI\\1", "no such column"), "");
}

TEST_F(ChannelLists, ColumnsAreTheUnionOfParameterNamesInOrderOfFirstAppearance) {
  // Plain inputs first, then a counter module whose inputs have one parameter more.
  auto plain = Add("EB8DI");
  auto counters = Add("EB8DIC");
  ASSERT_TRUE(plain && counters);
  Open();
  const ui::ChannelList& di = List(ChannelKind::DI);
  EXPECT_EQ(di.ColumnTexts(), (Strings{"Channel", "EB Module", "ContactType", "PulsesPerCount"}));
  ASSERT_EQ(di.Rows().size(), 16u);
  EXPECT_EQ(di.Cell("EB1\\DI\\8", "EB Module"), "EB1");
  EXPECT_EQ(di.Cell("EB1\\DI\\8", "PulsesPerCount"), "") << "a parameter the channel lacks";
  EXPECT_EQ(di.Cell("EB2\\DI\\1", "EB Module"), "EB2");
  EXPECT_EQ(di.Cell("EB2\\DI\\1", "PulsesPerCount"),
            counters->DIs()->At(1)->Attributes()->Item("PulsesPerCount")->DisplayValue());
  EXPECT_NE(di.Cell("EB2\\DI\\1", "PulsesPerCount"), "");
  for (const ui::ListRow& row : di.Rows()) EXPECT_EQ(row.cells.size(), 4u) << row.key;

  // The same rule on rows the model could send in any shape: a column per new
  // name, exact comparison, "EB Module" once, empty cells where a name is missing.
  auto fresh = qcom::Make<frmMain>();
  fresh->AddChannelRow(ChannelKind::DO, {"one", "EB1\\DO\\1", {{"A", "1"}, {"B", "2"}}});
  fresh->AddChannelRow(ChannelKind::DO,
                       {"two", "EB1\\DO\\2", {{"C", "3"}, {"A", "4"}, {"a", "5"}}});
  const ui::ChannelList& list = fresh->List(ChannelKind::DO);
  EXPECT_EQ(list.ColumnTexts(), (Strings{"Channel", "EB Module", "A", "B", "C", "a"}));
  EXPECT_EQ(list.Rows()[0].cells, (Strings{"one", "EB1", "1", "2", "", ""}));
  EXPECT_EQ(list.Rows()[1].cells, (Strings{"two", "EB1", "4", "", "3", "5"}));

  // A key that is listed already keeps its row; the columns still grow.
  fresh->AddChannelRow(ChannelKind::DO, {"again", "eb1\\do\\1", {{"D", "6"}}});
  EXPECT_EQ(list.Rows().size(), 2u);
  EXPECT_EQ(list.Rows()[0].cells, (Strings{"one", "EB1", "1", "2", "", "", ""}));
  EXPECT_EQ(list.ColumnTexts().back(), "D");
  // A key without a module part has an empty module cell.
  fresh->AddChannelRow(ChannelKind::DO, {"loose", "LOOSE", {}});
  EXPECT_EQ(list.Cell("LOOSE", "EB Module"), "");
  const Strings texts = list.ColumnTexts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "EB Module"), 1);
}

TEST_F(ChannelLists, FirstActivationListsEveryPlacedModuleAndEndsOnTheLastKindFilled) {
  // Filled per module in the order AO, AI, DO, DI: DI after DO, AI after AO.
  const struct {
    const char* templateId;
    int current;
    std::vector<bool> enabled;
  } cases[] = {{"EB4DI4DO", 2, {false, false, true, true}},
               {"EB4AI2AO", 0, {true, true, false, false}}};
  for (const auto& c : cases) {
    Add(c.templateId);
    Open();
    EXPECT_EQ(EnabledTabs(), c.enabled) << c.templateId;
    EXPECT_EQ(window->Tabs().Current(), c.current) << c.templateId;
    for (int tab = 0; tab < ui::kChannelTabCount; ++tab)
      EXPECT_EQ(List(static_cast<ChannelKind>(tab)).SwitchedOn(), c.enabled[tab]) << tab;
    object->Destroy();
    object = NewObject();
  }
  auto analog = Add("EB4AI2AO");
  Add("EB8DI");
  auto opened = qcom::Make<frmMain>();
  object->SetEditor(opened.get());
  opened->SetAppObject(object.get());
  opened->Load();
  EXPECT_TRUE(opened->FirstActivation());
  EXPECT_TRUE(opened->List(ChannelKind::AI).Rows().empty()) << "loading lists nothing yet";
  EXPECT_EQ(analog->AIs()->Editor(), nullptr);
  opened->Activate();
  window = opened;
  EXPECT_FALSE(window->FirstActivation());
  EXPECT_EQ(window->Tabs().Current(), 2);
  EXPECT_EQ(List(ChannelKind::AI).Rows().size(), 4u);
  EXPECT_EQ(List(ChannelKind::DI).Rows().size(), 8u);
  EXPECT_EQ(analog->AIs()->Editor(), static_cast<IEditorView*>(window.get()))
      << "the collections now report to the window";

  // Later activations list nothing twice.
  const std::string before = Everything();
  window->Activate();
  EXPECT_EQ(Everything(), before);
}

TEST_F(ChannelLists, RemovingTheLastRowOfAKindClosesItsTab) {
  Add("EB4AI2AO");
  Add("EB8DI");
  Open();
  ASSERT_EQ(window->Tabs().Current(), 2);

  // Rows go one by one, as the channel collections remove them.
  for (const char* key : {"EB1\\AI\\1", "EB1\\AI\\2", "EB1\\AI\\3"})
    window->RemoveChannelRow(ChannelKind::AI, key);
  EXPECT_TRUE(window->Tabs().Enabled(0)) << "one analog input left";
  EXPECT_EQ(window->Tabs().Current(), 2);
  window->RemoveChannelRow(ChannelKind::AI, "EB1\\AI\\9");
  EXPECT_EQ(List(ChannelKind::AI).Rows().size(), 1u) << "an unknown key removes nothing";
  window->RemoveChannelRow(ChannelKind::AI, "EB1\\AI\\4");
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, true, true, false}));
  EXPECT_EQ(window->Tabs().Current(), 1) << "the first enabled tab among 1, 2, 3";
  EXPECT_FALSE(List(ChannelKind::AI).SwitchedOn());
  EXPECT_TRUE(List(ChannelKind::AI).Columns().size() > 2) << "columns stay";

  // The real road: removing the last module removes its rows.
  RemoveLast();
  EXPECT_TRUE(List(ChannelKind::DI).Rows().empty());
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, true, false, false}));
  EXPECT_EQ(window->Tabs().Current(), 1);
  EXPECT_FALSE(List(ChannelKind::DI).SwitchedOn());
  EXPECT_EQ(List(ChannelKind::DI).ColumnTexts(), (Strings{"Channel", "EB Module", "ContactType"}));
}

TEST_F(ChannelLists, WithNoOtherTabEnabledTheCurrentTabStays) {
  Add("EB4AI2AO");
  Open();
  ASSERT_EQ(window->Tabs().Current(), 0);
  // The module's inputs go before its outputs: AI rows first, then AO rows.
  RemoveLast();
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(window->Tabs().Current(), 1)
      << "AI closed while AO was open, then AO closed with nothing left to go to";
  EXPECT_TRUE(List(ChannelKind::AI).Rows().empty());
  EXPECT_TRUE(List(ChannelKind::AO).Rows().empty());

  // A module added while the window is open lists itself and opens its tabs.
  Add("EB8DO");
  EXPECT_EQ(RowKeys(ChannelKind::DO).size(), 8u);
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(window->Tabs().Current(), 3);
  EXPECT_TRUE(List(ChannelKind::DO).SwitchedOn());
  // The AI list keeps its columns from before.
  EXPECT_EQ(List(ChannelKind::AI).Columns().size(), 14u);
}

TEST_F(ChannelLists, RowsShowRefreshedTextsAndConnectionImages) {
  auto module = Add("EB4AI2AO");
  Open();
  auto channel = module->AIs()->At(2);
  auto offset = channel->Attributes()->Item("offset");
  auto span = channel->Attributes()->Item("linear_span");
  ASSERT_TRUE(offset && span);
  const std::string oldOffset = offset->DisplayValue();
  const std::string untouched = Everything();

  offset->SetValueText("12.5");
  span->SetValueText("250");
  ASSERT_NE(offset->DisplayValue(), oldOffset);
  EXPECT_EQ(Everything(), untouched) << "the window shows changes only when told";
  module->AIs()->RefreshInEditor(channel.get());

  const ui::ChannelList& ai = List(ChannelKind::AI);
  EXPECT_EQ(ai.Cell("EB1\\AI\\2", "offset"), offset->DisplayValue());
  EXPECT_EQ(ai.Cell("EB1\\AI\\2", "linear_span"), span->DisplayValue());
  EXPECT_EQ(ai.Cell("EB1\\AI\\1", "offset"), oldOffset) << "other rows keep their texts";
  EXPECT_EQ(ai.Cell("EB1\\AI\\2", "EB Module"), "EB1");

  // Unknown keys and unknown parameter names change nothing.
  const std::string refreshed = Everything();
  window->RefreshChannelRow(ChannelKind::AI, {"x", "EB9\\AI\\1", {{"offset", "99"}}});
  window->RefreshChannelRow(ChannelKind::AI, {"x", "EB1\\AI\\1", {{"no column", "99"}}});
  window->RefreshChannelRow(ChannelKind::AO, {"x", "EB1\\AI\\1", {{"offset", "99"}}});
  EXPECT_EQ(Everything(), refreshed);

  // Connection images follow the channel's points.
  auto connect = [&](IUnknown* point, bool on) {
    auto connable = qcom::QueryAs<ISubItemConnable>(point);
    ASSERT_TRUE(connable);
    EXPECT_EQ(connable->put_IsConnected(on ? VARIANT_TRUE : VARIANT_FALSE), S_OK);
  };
  auto images = [&](ChannelKind kind) {
    Strings out;
    for (const ui::ListRow& row : List(kind).Rows()) out.push_back(row.image);
    return out;
  };

  // The value output of the second analog input.
  auto output = object->OutputSet()->Items().ByKey(module->AIs()->At(2)->NameText() + " Value");
  ASSERT_TRUE(output);
  connect(static_cast<IOutput*>(output.get()), true);
  EXPECT_EQ(images(ChannelKind::AI), (Strings{"ai", "aiconn", "ai", "ai"}));
  EXPECT_EQ(images(ChannelKind::AO), (Strings{"ao", "ao"}));
  connect(static_cast<IOutput*>(output.get()), false);
  EXPECT_EQ(images(ChannelKind::AI), (Strings{"ai", "ai", "ai", "ai"}));

  // The input of the first analog output.
  auto input = object->InputSet()->Items().ByKey(module->AOs()->At(1)->NameText() + " Value");
  ASSERT_TRUE(input);
  connect(static_cast<IInput*>(input.get()), true);
  EXPECT_EQ(images(ChannelKind::AO), (Strings{"aoconn", "ao"}));
  connect(static_cast<IInput*>(input.get()), false);
  EXPECT_EQ(images(ChannelKind::AO), (Strings{"ao", "ao"}));

  // Directly, and for keys the list does not hold.
  window->SetChannelConnected(ChannelKind::AI, "EB1\\AI\\4", true);
  window->SetChannelConnected(ChannelKind::DI, "EB1\\AI\\4", true);
  EXPECT_EQ(images(ChannelKind::AI), (Strings{"ai", "ai", "ai", "aiconn"}));
  EXPECT_TRUE(List(ChannelKind::DI).Rows().empty());
}

}  // namespace
