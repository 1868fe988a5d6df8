// Opening, activating, closing and releasing the editor window, its caption,
// its module commands and its silence as a callback sink.
#include "support/RecordingSink.h"
#include "ui/EditorFixture.h"

namespace {

using ports::ChannelKind;
using Strings = std::vector<std::string>;

class EditorLifecycle : public EditorFixture {
 protected:
  static ULONG References(IUnknown* unknown) {
    unknown->AddRef();
    return unknown->Release();
  }
  Strings Addable() const {
    Strings out;
    for (const ui::AddableTemplate& t : window->Commands().addable) {
      out.push_back(t.templateId + "@" + std::to_string(t.slot));
      EXPECT_TRUE(t.icon) << t.templateId;
      EXPECT_FALSE(t.name.empty()) << t.templateId;
    }
    return out;
  }
};

TEST_F(EditorLifecycle, AnObjectWithoutModulesShowsOnlyTheDevice) {
  window = qcom::Make<frmMain>();
  EXPECT_EQ(window->Caption(), "TQ");
  EXPECT_FALSE(window->Loaded());
  object->SetEditor(window.get());
  window->SetAppObject(object.get());
  EXPECT_EQ(window->AppObject(), static_cast<IAppObject*>(object.get()));
  window->Load();
  EXPECT_TRUE(window->Loaded());
  window->Activate();

  EXPECT_EQ(Buttons(), Strings{"1 OBJ1 OBJ1 TQ4600"});
  EXPECT_TRUE(window->Explorer().Exists());
  EXPECT_TRUE(window->Explorer().Buttons()[0].picture) << "the object's icon";
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, false, false, false}));
  EXPECT_TRUE(window->Tabs().SwitchedOn());
  for (int tab = 0; tab < ui::kChannelTabCount; ++tab) {
    const ui::ChannelList& list = List(static_cast<ChannelKind>(tab));
    EXPECT_FALSE(list.SwitchedOn()) << tab;
    EXPECT_TRUE(list.Rows().empty()) << tab;
    EXPECT_EQ(list.ColumnTexts(), Strings{"Channel"}) << tab;
  }
  EXPECT_FALSE(window->Commands().removeEnabled) << "nothing to remove";
  EXPECT_TRUE(window->Commands().addEnabled);
  EXPECT_EQ(Addable(),
            (Strings{"EB4AI2AO@1", "EB4AO@1", "EB4DI4DO@1", "EB8DI@1", "EB8DIC@1", "EB8DO@1"}));
  EXPECT_EQ(window->Caption(), "TQ");
  window->ShowUserName("Boiler room I/O");  // what the object passes on when renamed
  EXPECT_EQ(window->Caption(), "Boiler room I/O");
  EXPECT_TRUE(messages->Messages().empty());
}

TEST_F(EditorLifecycle, ModuleCommandsFollowTheModuleSet) {
  Open();
  auto analog = Add("EB4AI2AO");
  ASSERT_TRUE(analog);
  EXPECT_TRUE(window->Commands().removeEnabled);
  EXPECT_EQ(Addable(), (Strings{"EB4AO@2", "EB4DI4DO@2", "EB8DI@2", "EB8DIC@2", "EB8DO@2"}));
  Add("EB8DI");
  Add("EB4AO");
  EXPECT_FALSE(window->Commands().addEnabled) << "three slots taken";
  EXPECT_TRUE(Addable().empty());
  RemoveLast();
  EXPECT_EQ(Addable(), Strings{"EB4AO@3"});
  RemoveLast();
  RemoveLast();
  EXPECT_FALSE(window->Commands().removeEnabled);
  EXPECT_EQ(Addable().size(), 6u);
  // Adding a module does not add its button: the Add command and a loaded
  // saved object do that; a button from AddModuleButton gets count + 2.
  Add("EB8DO");
  EXPECT_EQ(Buttons(), Strings{"1 OBJ1 OBJ1 TQ4600"});
  const std::string name = object->ModuleSet()->Item("EB1")->NameText();
  window->AddModuleButton({"EB1", name});
  EXPECT_EQ(Buttons(), (Strings{"1 OBJ1 OBJ1 TQ4600", "3 EB1 EB1 " + name}));
  EXPECT_TRUE(window->Explorer().Buttons()[1].picture) << "the module's icon";
}

TEST_F(EditorLifecycle, ModulesPlacedBeforeLoadingGetButtonsInOrder) {
  for (const char* id : {"EB4AI2AO", "EB8DIC", "EB4AO"}) Add(id);
  Open();
  const auto& set = *object->ModuleSet();
  EXPECT_EQ(Buttons(), (Strings{"1 OBJ1 OBJ1 TQ4600", "2 EB1 EB1 " + set.Item("EB1")->NameText(),
                                "3 EB2 EB2 " + set.Item("EB2")->NameText(),
                                "4 EB3 EB3 " + set.Item("EB3")->NameText()}));
  for (const ui::ExplorerButton& button : window->Explorer().Buttons())
    EXPECT_TRUE(button.picture) << button.name;
  EXPECT_TRUE(window->Commands().removeEnabled);
  // Loading again while loaded changes nothing.
  const std::string before = Everything();
  window->Load();
  EXPECT_EQ(Everything(), before);
}

TEST_F(EditorLifecycle, EveryNotificationLeavesTheWindowUnchanged) {
  Add("EB4AI2AO");
  Add("EB8DI");
  window = qcom::Make<frmMain>();
  window->SetAppObject(object.get());
  object->SetEditor(window.get());
  window->Load();
  window->Activate();
  window->ShowUserName("named");
  window->SetChannelConnected(ChannelKind::AI, "EB1\\AI\\1", true);
  const std::string shown = Everything();

  IcbkAppObject* sink = window.get();
  qcom::Bstr key("OBJ1\\ROU\\x"), other("y");
  IDispatch* gateways = reinterpret_cast<IDispatch*>(sink);
  IDispatch* ioms = gateways;
  // clang-format off
  const HRESULT results[] = {
      sink->Created(), sink->CDBChanged(1, 2, 3), sink->Destroied(),
      sink->AttributeChanged(key.get()), sink->AppObjectUserNameChanged(other.get()),
      sink->NVNameChanged(key.get(), other.get()), sink->CPNameChanged(key.get(), other.get()),
      sink->NVTypeChanged(key.get(), other.get()), sink->CPTypeChanged(key.get(), other.get()),
      sink->RefInTypeChanged(key.get()), sink->RefInAdded(key.get()), sink->RefInRemoved(key.get()),
      sink->RefOutAdded(key.get()), sink->RefOutRemoved(key.get()),
      sink->RefOutTypeChanged(key.get()), sink->ConnectionDeleted(key.get()),
      sink->ConnectionToBeDeleted(key.get()), sink->RefOutAddedBefore(key.get(), other.get()),
      sink->RefreshObj(), sink->NumObjectsChanged(7), sink->AvailableDimsChanged(),
      sink->RemoveGatewayObject(key.get()), sink->LoadGatewayDevices(),
      sink->Gateways(&gateways), sink->Ioms(&ioms), sink->Gateways(nullptr), sink->Ioms(nullptr),
      sink->RemoveIomInternalObject(key.get()), sink->LoadIoms()};
  // clang-format on
  for (size_t call = 0; call < std::size(results); ++call) EXPECT_EQ(results[call], S_OK) << call;
  EXPECT_EQ(gateways, nullptr);
  EXPECT_EQ(ioms, nullptr);
  EXPECT_EQ(Everything(), shown);
}

TEST_F(EditorLifecycle, ClosingByTheOwnerUnloadsAndLetsGoOfTheObject) {
  Add("EB4AI2AO");
  Open();
  auto owner = qcom::Make<testing_support::RecordingSink>();
  const ULONG ownerAlone = References(owner->Identity());
  window->SetOwner(owner->Identity());
  EXPECT_EQ(window->Owner(), owner->Identity());
  EXPECT_EQ(References(owner->Identity()), ownerAlone + 1);
  EXPECT_FALSE(window->ClosingByOwner());

  // The object's Destroy closes its window for good.
  object->Destroy();
  EXPECT_TRUE(window->ClosingByOwner());
  EXPECT_FALSE(window->Loaded());
  EXPECT_EQ(window->AppObject(), nullptr);
  EXPECT_EQ(window->Owner(), nullptr);
  EXPECT_EQ(References(owner->Identity()), ownerAlone);
  EXPECT_FALSE(window->Explorer().Exists());
  EXPECT_TRUE(window->Explorer().Buttons().empty()) << "pictures go with the band";
  EXPECT_TRUE(window->Commands().addable.empty());

  // A second close, and the window's operations on a closed window, do no harm.
  window->CloseByOwner();
  window->ShowDeviceDetails();
  window->FillChannelLists();
  window->UpdateAddMenu();
  window->AddModuleButton({"EB1", "x"});
  EXPECT_TRUE(window->Details().Rows().empty());
  EXPECT_TRUE(window->Explorer().Buttons().empty());
  EXPECT_TRUE(window->ClosingByOwner());
}

TEST_F(EditorLifecycle, UnloadDestroyAndReleaseLeaveNoLiveObject) {
  object->Destroy();
  object = nullptr;
  const int32_t start = qcom::ThisModule().objects.load();
  for (bool unloadFirst : {true, false}) {
    {
      auto app = NewObject();
      ASSERT_TRUE(app);
      for (const char* id : {"EB4AI2AO", "EB8DIC"})
        ASSERT_TRUE(app->ModuleSet()->AddModule(app->ModuleTemplates()->Item(id).get())) << id;
      auto opened = OpenOn(app.get());
      opened->SetOwner(qcom::Make<testing_support::RecordingSink>()->Identity());
      ASSERT_TRUE(app->ModuleSet()->AddModule(app->ModuleTemplates()->Item("EB4AO").get()));
      opened->AddModuleButton({"EB3", "added while open"});
      ASSERT_EQ(opened->List(ChannelKind::AO).Rows().size(), 6u);
      EXPECT_GT(qcom::ThisModule().objects.load(), start + 100);
      if (unloadFirst) opened->Unload();
      app->Destroy();
    }
    EXPECT_EQ(qcom::ThisModule().objects.load(), start) << "unload first: " << unloadFirst;
  }
}

}  // namespace
