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
    EXPECT_TRUE(window->Bar().FindTool("sbndEB", "mnuEBRemove")->enabled) << "one module to remove";
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
