// Opening, activating, closing and releasing the editor window, its caption
// and its module commands.
#include "support/RecordingSink.h"
#include "ui/EditorFixture.h"

namespace {

using ports::ChannelKind;
using EditorLifecycle = EditorFixture;

ULONG References(IUnknown* unknown) {
  unknown->AddRef();
  return unknown->Release();
}

TEST_F(EditorLifecycle, AnObjectWithoutModulesShowsOnlyTheDeviceAndCommandsFollowTheModules) {
  window = qcom::Make<frmMain>();
  object->SetEditor(window.get());
  window->SetAppObject(object.get());
  EXPECT_FALSE(window->Loaded());
  window->Load();
  EXPECT_TRUE(window->Loaded());
  window->Activate();
  EXPECT_EQ(Buttons(), Strings{"1 OBJ1 OBJ1 TQ4600"});
  EXPECT_FALSE(window->Explorer().Buttons()[0].picture.empty()) << "the object's icon";
  EXPECT_EQ(EnabledTabs(), std::vector<bool>(4, false));
  for (int tab = 0; tab < ui::kChannelTabCount; ++tab)
    EXPECT_EQ(List(static_cast<ChannelKind>(tab)).ColumnTexts(), Strings{"Channel"}) << tab;
  EXPECT_EQ(window->Caption(), "TQ");
  object->put_UserName(qcom::Bstr("Boiler room I/O").get());  // the window follows its object
  EXPECT_EQ(window->Caption(), "Boiler room I/O");
  EXPECT_TRUE(messages->Messages().empty());

  // The Add menu offers what the tree allows next, each with its icon and name;
  // a template keeps its identifier, from 66537 on, however often it comes back.
  auto addable = [&] {
    const ui::Band* band = window->Bar().FindBand("PopUpValidEB");
    for (const ui::Tool& t : band->tools) EXPECT_FALSE(t.picture.empty() || t.caption.empty());
    return Each(band->tools, [](const ui::Tool& t) { return t.name + "@" + std::to_string(t.id); });
  };
  auto enabled = [&](const char* tool) { return window->Bar().FindTool("sbndEB", tool)->enabled; };
  const Strings first = {"EB4AI2AO@66537", "EB4AO@66538",  "EB4DI4DO@66539",
                         "EB8DI@66540",    "EB8DIC@66541", "EB8DO@66542"};
  EXPECT_EQ(addable(), first);
  EXPECT_EQ(window->Bar().FindTool("sbndEB", "mnuEBAdd")->subBand, "PopUpValidEB");
  EXPECT_FALSE(enabled("mnuEBRemove") || window->Bar().FindTool("pupRemoveEB", "Remove")->enabled);
  ASSERT_TRUE(Add("EB4AI2AO"));
  EXPECT_TRUE(enabled("mnuEBRemove") && window->Bar().FindTool("pupRemoveEB", "Remove")->enabled);
  EXPECT_EQ(addable(), (Strings{"EB4AO@66538", "EB4DI4DO@66539", "EB8DI@66540", "EB8DIC@66541",
                                "EB8DO@66542"}));
  Add("EB8DI");
  EXPECT_TRUE(enabled("mnuEBAdd"));
  Add("EB4AO");
  EXPECT_FALSE(enabled("mnuEBAdd")) << "three slots taken";
  RemoveLast();
  EXPECT_EQ(addable(), Strings{"EB4AO@66538"});
  RemoveLast();
  RemoveLast();
  EXPECT_FALSE(enabled("mnuEBRemove"));
  EXPECT_EQ(addable(), first);
  // Adding a module does not add its button: the Add command and a loaded
  // saved object do that; a button from AddModuleButton gets count + 2.
  Add("EB8DO");
  EXPECT_EQ(Buttons(), Strings{"1 OBJ1 OBJ1 TQ4600"});
  window->AddModuleButton({"EB1", "relays"});
  EXPECT_EQ(Buttons(), (Strings{"1 OBJ1 OBJ1 TQ4600", "3 EB1 EB1 relays"}));
  EXPECT_FALSE(window->Explorer().Buttons()[1].picture.empty()) << "the module's icon";
}

TEST_F(EditorLifecycle, ClosingByTheOwnerUnloadsAndLetsGoOfTheObject) {
  Add("EB4AI2AO");
  Open();
  auto owner = qcom::Make<testing_support::RecordingSink>();
  const ULONG ownerAlone = References(owner->Identity());
  window->SetOwner(owner->Identity());
  EXPECT_EQ(References(owner->Identity()), ownerAlone + 1);
  EXPECT_FALSE(window->ClosingByOwner());
  // The object's Destroy closes its window for good; a second close does no harm.
  object->Destroy();
  window->CloseByOwner();
  EXPECT_TRUE(window->ClosingByOwner());
  EXPECT_FALSE(window->Loaded());
  EXPECT_EQ(window->AppObject(), nullptr);
  EXPECT_EQ(window->Owner(), nullptr);
  EXPECT_EQ(References(owner->Identity()), ownerAlone);
  EXPECT_FALSE(window->Explorer().Exists());
  EXPECT_TRUE(window->Explorer().Buttons().empty()) << "pictures go with the band";
  EXPECT_TRUE(window->Bar().FindBand("PopUpValidEB") == nullptr) << "the bands as designed";
  window->ShowDeviceDetails();
  EXPECT_TRUE(window->Details().Rows().empty());
}

TEST_F(EditorLifecycle, UnloadDestroyAndReleaseLeaveNoLiveObject) {
  object->Destroy();
  object = nullptr;
  const int32_t start = qcom::ThisModule().objects.load();
  for (bool unloadFirst : {true, false}) {
    object = NewObject();
    for (const char* id : {"EB4AI2AO", "EB8DIC"}) ASSERT_TRUE(Add(id)) << id;
    Open();
    window->SetOwner(qcom::Make<testing_support::RecordingSink>()->Identity());
    ASSERT_TRUE(Add("EB4AO"));  // while open
    window->AddModuleButton({"EB3", "added while open"});
    EXPECT_GT(qcom::ThisModule().objects.load(), start + 100);
    if (unloadFirst) window->Unload();
    object->Destroy();
    object = nullptr;
    window = nullptr;
    EXPECT_EQ(qcom::ThisModule().objects.load(), start) << "unload first: " << unloadFirst;
  }
}

}  // namespace
