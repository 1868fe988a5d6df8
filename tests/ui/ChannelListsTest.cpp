// The four channel lists: columns, rows, cells, images and the tabs they open
// and close, driven by the real object on the bundled data.
#include "faces/Points.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "ui/EditorFixture.h"

namespace {

using ports::ChannelKind;

class ChannelLists : public EditorFixture {
 protected:
  Strings Images(ChannelKind kind) const {
    return Each(List(kind).Rows(), [](const ui::ListRow& row) { return row.image; });
  }
  Strings Keys(ChannelKind kind) const {
    return Each(List(kind).Rows(), [](const ui::ListRow& row) { return row.key; });
  }
};

TEST_F(ChannelLists, RowsShowTheChannelsWithTheirParametersAndConnections) {
  auto module = Add("EB4AI2AO");
  ASSERT_TRUE(module);
  Open();
  // A column per parameter, keyed by its name; a row per channel: its name, its
  // module and each parameter's display text.
  const ui::ChannelList& ai = List(ChannelKind::AI);
  EXPECT_EQ(ai.ColumnTexts(),
            (Strings{"Channel", "EB Module", "sensortype", "range", "suppression", "square_root",
                     "alarm", "unit_of_measure", "filter_constant", "diff_alarm_limit",
                     "low_alarm_limit", "high_alarm_limit", "offset", "linear_span"}));
  EXPECT_EQ(ai.Columns()[1].key + " " + ai.Columns()[2].key, "EBModule sensortype");
  EXPECT_EQ(Keys(ChannelKind::AI),
            (Strings{"EB1\\AI\\1", "EB1\\AI\\2", "EB1\\AI\\3", "EB1\\AI\\4"}));
  EXPECT_EQ(ai.Rows()[3].cells,
            (Strings{"Analog (3)", "EB1", "NI1000", "RANGE_0_10V", "SUPPR_NONE", "DISABLE",
                     "ALARM_FILTERED", "UNIT_DEG_C", "2 sec", "1 ", "-50 ", "150 ", "0 ", "100 "}));
  const ui::ChannelList& ao = List(ChannelKind::AO);
  EXPECT_EQ(ao.ColumnTexts(), (Strings{"Channel", "EB Module", "OutputMode"}));
  EXPECT_EQ(Keys(ChannelKind::AO), (Strings{"EB1\\AO\\1", "EB1\\AO\\2"}));
  EXPECT_EQ(ao.Rows()[1].cells, (Strings{"Analog (5)", "EB1", "AO_0_10V"}));
  EXPECT_EQ(ai.Row("eb1\\ai\\3"), &ai.Rows()[2]) << "row keys ignore letter case";
  EXPECT_EQ(ai.Cell("EB1\\AI\\5", "EB Module") + ai.Cell("EB1\\AI\\1", "no such column"), "");

  // A changed parameter shows when its collection refreshes the row; a row
  // another kind's list holds is not touched.
  auto channel = module->AIs()->At(2);
  channel->Attributes()->Item("offset")->SetValueText("12.5");
  EXPECT_EQ(ai.Cell("EB1\\AI\\2", "offset"), "0 ") << "the window shows changes only when told";
  module->AIs()->RefreshInEditor(channel.get());
  window->RefreshChannelRow(ChannelKind::AO, {"x", "EB1\\AI\\1", {{"offset", "99"}}});
  EXPECT_EQ(ai.Cell("EB1\\AI\\2", "offset") + "|" + ai.Cell("EB1\\AI\\1", "offset"), "12.5 |0 ");

  // Connection images follow the points of the second analog input and of the
  // first analog output, and the window's own calls.
  auto output = object->OutputSet()->Items().ByKey("Analog (1) Value");
  auto input = object->InputSet()->Items().ByKey("Analog (4) Value");
  auto toOutput = qcom::QueryAs<ISubItemConnable>(static_cast<IOutput*>(output.get()));
  auto toInput = qcom::QueryAs<ISubItemConnable>(static_cast<IInput*>(input.get()));
  ASSERT_TRUE(toOutput && toInput);
  for (VARIANT_BOOL on : {VARIANT_TRUE, VARIANT_FALSE}) {
    EXPECT_EQ(toOutput->put_IsConnected(on), S_OK);
    EXPECT_EQ(toInput->put_IsConnected(on), S_OK);
    EXPECT_EQ(Images(ChannelKind::AI), (Strings{"ai", on ? "aiconn" : "ai", "ai", "ai"}));
    EXPECT_EQ(Images(ChannelKind::AO), (Strings{on ? "aoconn" : "ao", "ao"}));
  }
  window->SetChannelConnected(ChannelKind::AI, "EB1\\AI\\4", true);
  EXPECT_EQ(Images(ChannelKind::AI), (Strings{"ai", "ai", "ai", "aiconn"}));
}

TEST_F(ChannelLists, ColumnsAreTheUnionOfParameterNamesInOrderOfFirstAppearance) {
  // Plain inputs first, then a counter module whose inputs have one parameter more.
  ASSERT_TRUE(Add("EB8DI") && Add("EB8DIC"));
  Open();
  const ui::ChannelList& di = List(ChannelKind::DI);
  EXPECT_EQ(di.ColumnTexts(), (Strings{"Channel", "EB Module", "ContactType", "PulsesPerCount"}));
  ASSERT_EQ(di.Rows().size(), 16u);
  EXPECT_EQ(di.Rows()[7].cells, (Strings{"Binary (7)", "EB1", "CONTACT_ONOFF", ""}));
  EXPECT_EQ(di.Rows()[8].cells, (Strings{"Binary (8)", "EB2", "CONTACT_PULSE", "1 "}));
}

TEST_F(ChannelLists, FirstActivationListsEveryPlacedModuleAndRemovalsCloseTheirTabs) {
  // Filled per module in the order AO, AI, DO, DI: DI after DO, AI after AO.
  const std::pair<const char*, std::vector<bool>> cases[] = {
      {"EB4DI4DO", {false, false, true, true}}, {"EB4AI2AO", {true, true, false, false}}};
  for (const auto& [templateId, enabled] : cases) {
    Add(templateId);
    Open();
    EXPECT_EQ(EnabledTabs(), enabled) << templateId;
    EXPECT_EQ(window->Tabs().Current(), enabled[0] ? 0 : 2) << templateId;
    object->Destroy();
    object = NewObject();
  }
  auto analog = Add("EB4AI2AO");
  Add("EB8DI");
  window = qcom::Make<frmMain>();
  object->SetEditor(window.get());
  window->SetAppObject(object.get());
  window->Load();
  EXPECT_TRUE(window->FirstActivation());
  EXPECT_TRUE(List(ChannelKind::AI).Rows().empty()) << "loading lists nothing yet";
  EXPECT_EQ(analog->AIs()->Editor(), nullptr);
  // Modules placed before loading get their buttons, in order.
  EXPECT_EQ(Buttons(), (Strings{"1 OBJ1 OBJ1 TQ4600", "2 EB1 EB1 EB 4AI/2AO", "3 EB2 EB2 EB 8DI"}));
  window->Activate();
  EXPECT_FALSE(window->FirstActivation());
  EXPECT_EQ(window->Tabs().Current(), 2);
  EXPECT_EQ(List(ChannelKind::AI).Rows().size() + List(ChannelKind::DI).Rows().size(), 12u);
  EXPECT_EQ(analog->AIs()->Editor(), static_cast<IEditorView*>(window.get()));
  window->Activate();
  window->Load();
  EXPECT_EQ(List(ChannelKind::AI).Rows().size() + List(ChannelKind::DI).Rows().size(), 12u)
      << "later activations and loads list nothing twice";
  EXPECT_EQ(Buttons().size(), 3u);

  // Removing the last row of a kind closes its tab. Rows go one by one, as the
  // channel collections remove them.
  for (const char* key : {"EB1\\AI\\1", "EB1\\AI\\2", "EB1\\AI\\3", "EB1\\AI\\9"})
    window->RemoveChannelRow(ChannelKind::AI, key);
  EXPECT_EQ(Keys(ChannelKind::AI), Strings{"EB1\\AI\\4"}) << "an unknown key removes nothing";
  EXPECT_EQ(window->Tabs().Current(), 2);
  window->RemoveChannelRow(ChannelKind::AI, "EB1\\AI\\4");
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, true, true, false}));
  EXPECT_EQ(window->Tabs().Current(), 1) << "the first enabled tab among 1, 2, 3";
  EXPECT_FALSE(List(ChannelKind::AI).SwitchedOn());
  EXPECT_EQ(List(ChannelKind::AI).Columns().size(), 14u) << "columns stay";
  // The real road: removing a module removes its rows.
  RemoveLast();
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, true, false, false}));
  EXPECT_FALSE(List(ChannelKind::DI).SwitchedOn());
  RemoveLast();
  EXPECT_EQ(EnabledTabs(), std::vector<bool>(4, false));
  EXPECT_EQ(window->Tabs().Current(), 1) << "with no other tab enabled the current tab stays";
  // A module added while the window is open lists itself and opens its tabs.
  Add("EB8DO");
  EXPECT_EQ(List(ChannelKind::DO).Rows().size(), 8u);
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(window->Tabs().Current(), 3);
  EXPECT_TRUE(List(ChannelKind::DO).SwitchedOn());
}

}  // namespace
