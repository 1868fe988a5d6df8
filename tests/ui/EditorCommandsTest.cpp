// The editor's menus and commands as a user drives them through a shown
// window: identifiers, pop-ups, adding and removing modules, parameter edits,
// and the close protocol with the object.
#include "faces/HostObjects.h"
#include "modules/CDBDIs.h"
#include "ports/EditorFactory.h"
#include "ui/EditorFixture.h"
#include "ui/EditorInstall.h"
#include "ui/ParameterDialog.h"
#include "ui/frmAbout.h"
#include "ui/frmCPModif3.h"

namespace {

using ports::ChannelKind;
using Message = platform::RecordedMessage;

// The host's parent of the object, which is also its container of placed objects.
struct HostParent final : qcom::ComObject<IHostParent, IHostContainer> {
  HRESULT get_Container(IUnknown** container) override {
    return qcom::ReturnObject(static_cast<IHostParent*>(this), container);
  }
  HRESULT Refresh() override { return ++refreshed, S_OK; }
  int refreshed = 0;
};

class EditorCommands : public EditorFixture {
 protected:
  // The window on a display: the script is the user, the log what it was told.
  struct View : ui::MainWindowView {
    explicit View(EditorCommands& f, ui::EditorWindowModel& w) : t(f), model(w) {}
    void ShowModal(IUnknown*) override { t.log += "show ", model.Activated(), t.user(); }
    void Hide() override { t.log += "hide "; }
    void Close() override { t.log += "close "; }
    void Changed(const ui::ViewChange& c) override {
      if (c.part == ui::ViewPart::Pointer) t.log += std::to_string(int(model.MousePointer())) + " ";
      if (c.part == ui::ViewPart::Rows) t.rows.push_back(c.row);
    }
    void PopUp(const std::string& band) override { t.log += "popup " + band + " "; }
    void ShowAbout(const ui::AboutBox& a) override {
      t.log += a.caption + "|" + a.title + "|" + a.version + "|" + std::to_string(!a.logo.empty());
    }
    int32_t Handle() const override { return 0; }
    EditorCommands& t;
    ui::EditorWindowModel& model;
  };
  void SetUp() override {
    EditorFixture::SetUp();
    ui::InstallEditorFactory(), ui::InstallEditDialogFactory();
    ui::SetMainWindowViewFactory([this](auto& w) { return std::make_unique<View>(*this, w); });
  }
  void TearDown() override {
    ports::SetEditorFactory({}), ports::SetEditDialogFactory({});
    ui::SetMainWindowViewFactory({}), ui::SetDialogViewFactory({});
    EditorFixture::TearDown();
  }
  // Shows the object's editor with the user's script running while it is up.
  void Show(std::function<void(frmMain&)> script) {
    user = [this, script] {
      window = qcom::ComPtr<frmMain>(static_cast<frmMain*>(object->EditorView()));
      script(*window);
    };
    object->Show(nullptr);
  }
  static Strings Tools(const ui::Band* band) {
    return Each(band->tools, [](const ui::Tool& t) {
      return std::to_string(t.id) + " " + t.name + (t.separator ? "" : " " + t.caption) +
             (t.subBand.empty() ? "" : ">" + t.subBand) + (t.enabled ? "" : " off");
    });
  }
  std::function<void()> user;
  std::string log;
  Strings rows;  // the rows announced as changed
};

TEST_F(EditorCommands, IdentifiersSelectTheirCommandsInTheDispatchersOrder) {
  using ui::tools::Action;
  const std::tuple<int32_t, Action, ChannelKind, int32_t> rows[] = {
      {1, Action::ShowDevice, ChannelKind::AI, 0},
      {2, Action::ShowModule, ChannelKind::AI, 0},
      {103, Action::SaveAndExport, ChannelKind::AI, 0},
      {105, Action::CloseWindow, ChannelKind::AI, 0},
      {106, Action::ShowDocumentation, ChannelKind::AI, 0},
      {204, Action::RemoveModule, ChannelKind::AI, 0},
      {503, Action::RemoveModule, ChannelKind::AI, 0},
      {609, Action::ViewDatasheet, ChannelKind::AI, 0},
      {610, Action::About, ChannelKind::AI, 0},
      {700, Action::ShowModule, ChannelKind::AI, 0},
      {701, Action::EditChannelParameter, ChannelKind::AI, 0},
      {750, Action::EditChannelParameter, ChannelKind::AI, 49},
      {751, Action::EditChannelParameter, ChannelKind::AO, 0},
      {803, Action::EditChannelParameter, ChannelKind::DI, 2},
      {900, Action::EditChannelParameter, ChannelKind::DO, 49},
      {901, Action::EditDeviceParameter, ChannelKind::AI, 0},
      {66536, Action::EditDeviceParameter, ChannelKind::AI, 0},
      {66537, Action::AddModule, ChannelKind::AI, 0},
      {0, Action::None, ChannelKind::AI, 0}};
  for (const auto& [id, action, kind, column] : rows)
    EXPECT_EQ(ui::tools::CommandOf(id), (ui::tools::Command{action, kind, column})) << id;
  for (auto [version, text] : {std::pair{"2.5.0.17", "Version 2.5.17"}, {"1.0.0", "Version 1.0.0"}})
    EXPECT_EQ(ui::VersionText(version), text);
  const ui::CommandBar bar = ui::CommandBar::StoredLayout();
  const std::pair<const char*, Strings> bands[] = {
      {"bndStandard",
       {"601 mnuFile &File>sbndFile", "604 mnuTQ T&Q>pupEditTQ off", "602 mnuEB &EB>sbndEB",
        "603 mnuChannel Channel>pupChannel off", "608 mnuHelp ?>sbndHelp"}},
      {"sbndFile",
       {"106 ShowDoc &Show Documentation", "107 mnuFileSep2", "103 mnuFileSave &Save and Export",
        "3 mnuFileSep1", "105 mnuFileExit E&xit"}},
      {"sbndEB", {"501 mnuEBAdd &Add", "7 mnuEBSep1", "503 mnuEBRemove &Remove"}},
      {"pupRemoveEB", {"204 Remove Remove"}},
      {"sbndHelp", {"609 mnuHelpHelp  View Data Sheet", "610 mnuHelpAbout About..."}},
      {"pupChannel", {"699 mnuChannel Edit"}},
      {"pupEditTQ", {"2 mnuTQEdit Edit"}}};
  for (const auto& [band, tools] : bands) EXPECT_EQ(Tools(bar.FindBand(band)), tools) << band;
  EXPECT_EQ(bar.Bands().size(), 7u);
}

TEST_F(EditorCommands, PopUpsMenusAndModuleCommandsFollowTheUsersClicks) {
  auto parent = qcom::Make<HostParent>();
  object->put_Parent(static_cast<IHostParent*>(parent.get()));
  Add("EB8DI");
  Show([&](frmMain& w) {
    EXPECT_EQ(
        Tools(w.Bar().FindBand("PopUpTQAttr")),
        (Strings{"901 Priority Priority", "902 Powerline_Freq Powerline_Freq",
                 "903 Behaviour_OnCommFailure Behaviour_OnCommFailure",
                 "904 MaxTimeBetweenComm MaxTimeBetweenComm", "905 DO_PulseTime DO_PulseTime"}))
        << "no field-bus address, whatever its letter case";
    w.ToolClick(66541, "EB8DIC", "");  // the Add menu's counter module: button count + 1
    w.ToolClick(70000, "EB9", "");     // a template the catalogue lacks
    EXPECT_EQ(Buttons(),
              (Strings{"1 OBJ1 OBJ1 TQ4600", "2 EB1 EB1 EB 8DI", "3 EB2 EB2 EB 8DI Counter"}));
    w.ListMouseDown(ChannelKind::DI, ui::kRightButton);
    w.RowClick(ChannelKind::DI, "EB1\\DI\\1");
    w.ListMouseUp(ChannelKind::DI, ui::kRightButton);
    EXPECT_EQ(Tools(w.Bar().FindBand("PopUpChannelAttr")),
              (Strings{"803 ContactType ContactType", "804 PulsesPerCount PulsesPerCount off"}));
    EXPECT_EQ(Tools(w.Bar().FindBand("pupChannel")),
              Strings{"699 mnuChannel Edit>PopUpChannelAttr"});
    EXPECT_TRUE(w.Bar().FindTool("bndStandard", "mnuChannel")->enabled)
        << "right after a row click";
    w.RowClick(ChannelKind::DI, "EB2\\DI\\1");
    EXPECT_TRUE(w.Bar().FindBand("PopUpChannelAttr")->tools[1].enabled);
    for (auto click : std::initializer_list<std::function<void()>>{
             [&] { w.TabClick(2); }, [&] { w.DetailsClick(); }, [&] { w.ToolClick(1, "", ""); },
             [&] { w.ListMouseDown(ChannelKind::DI, ui::kLeftButton); }}) {
      w.RowClick(ChannelKind::DI, "EB2\\DI\\1"), click();
      EXPECT_FALSE(w.Bar().FindTool("bndStandard", "mnuChannel")->enabled);
    }
    w.ToolClick(3, "EB2", "EB2");
    EXPECT_EQ(Details(),
              (Strings{"Name=EB 8DI Counter",
                       "Description=Counter module: 8 digital inputs, each with a pulse counter",
                       "Slot=1", "DINumber=8", "IsConnected=False"}));
    auto input = object->OutputSet()->Items().At(object->OutputSet()->Count());
    auto point = qcom::QueryAs<ISubItemConnable>(static_cast<IOutput*>(input.get()));
    point->put_IsConnected(VARIANT_TRUE);
    w.ToolClick(503, "mnuEBRemove", "");
    point->put_IsConnected(VARIANT_FALSE);
    w.ToolClick(204, "Remove", "");
    EXPECT_EQ(Buttons(), (Strings{"1 OBJ1 OBJ1 TQ4600", "2 EB1 EB1 EB 8DI"}));
    EXPECT_EQ(Details().front(), "Name=TQ4600");
    w.ToolClick(103, "mnuFileSave", "");
    w.ToolClick(610, "mnuHelpAbout", "");
  });
  EXPECT_EQ(messages->Messages(),
            (std::vector<Message>{
                {"The Module can not be added: Verify the resource used inside the Application!",
                 48, "Warning"},
                {"EB 8DI Counter cannot be removed because it is connected", 64, ""}}));
  EXPECT_EQ(log, "show 11 0 11 0 popup pupChannel About TQ4600 Plug-In|TQ 4600 Plug-In|" +
                     ui::VersionText(TQ_VERSION) + "|1");
  EXPECT_FALSE(object->LastStreamText().empty()) << "Save and Export reads the stream";
  EXPECT_EQ(parent->refreshed, 1) << "the host's container is told once the window is back";
}

TEST_F(EditorCommands, ParameterEditsOpenOneDialogPerSelectedRowAndRewriteWhatTheyShow) {
  object->Destroy();
  object = NewObject();  // device parameters with their dialogs
  Add("EB8DI");
  const Strings keys = {"EB1\\DI\\2", "EB1\\DI\\5", "EB1\\DI\\7"};
  auto cells = [&] {
    return Each(keys, [&](auto& k) { return List(ChannelKind::DI).Cell(k, "ContactType"); });
  };
  struct Dialog : ui::DialogView {
    std::function<void()> script;
    void ShowModal() override { script(); }
    void Close() override {}
    void ControlsChanged() override {}
  };
  Strings seen;  // the three cells whenever a dialog opens
  ui::SetDialogViewFactory([&](ui::ParameterDialog& d) {
    auto view = std::make_unique<Dialog>();
    view->script = [&] {
      seen.push_back(testing::PrintToString(cells()));
      static_cast<ui::frmCPModif3&>(d).cboEnum_Click(1), d.cmdOK_Click();
    };
    return view;
  });
  Show([&](frmMain& w) {
    w.SelectionChanged(ChannelKind::DI, {keys[2], "EB1\\DI\\99", keys[0], keys[1]});
    rows.clear(), w.ToolClick(803, "ContactType", "");
    EXPECT_EQ(rows, keys) << "each row redrawn once, after its dialog";
    seen.push_back(testing::PrintToString(cells()));
    w.ToolClick(902, "Powerline_Freq", "");
    EXPECT_EQ(Details()[2], "Powerline_Freq=HZ_60");
  });
  const std::string off = "\"CONTACT_ONOFF\"", on = "\"CONTACT_PULSE\"";
  EXPECT_EQ(seen, (Strings{"{ " + off + ", " + off + ", " + off + " }",
                           "{ " + on + ", " + off + ", " + off + " }",
                           "{ " + on + ", " + on + ", " + off + " }",
                           "{ " + on + ", " + on + ", " + on + " }",
                           "{ " + on + ", " + on + ", " + on + " }"}));
  EXPECT_EQ(List(ChannelKind::DI).Cell("EB1\\DI\\1", "ContactType"), "CONTACT_ONOFF");
}

TEST_F(EditorCommands, CloseRequestsReleaseTheEditorOrHideTheWindow) {
  Add("EB8DI");
  Show([&](frmMain& w) { w.ToolClick(105, "mnuFileExit", ""); });
  const qcom::ComPtr<frmMain> first = window;
  VARIANT_BOOL active = VARIANT_FALSE;
  object->get_IsPlugInActive(&active);
  EXPECT_TRUE(active && !object->EditorView() && !first->Loaded() && first->ClosingByOwner());
  EXPECT_EQ(object->ModuleSet()->Item("1")->DIs()->Editor(), nullptr) << "channels let go of it";
  Show([&](frmMain& w) {
    EXPECT_NE(&w, first.get()) << "a new window for the next Show";
    object->SetEditor(nullptr);  // no longer its object's editor: nobody closes it for good
    w.CloseRequested();
    object->get_IsPlugInActive(&active);
    EXPECT_TRUE(w.Loaded() && !w.ClosingByOwner() && !active);
    object->SetEditor(&w);
  });
  Show([&](frmMain&) { object->Destroy(); });
  EXPECT_EQ(log, "show close show hide show close ");
  ui::SetMainWindowViewFactory({});  // no display: shown means activated, and it stays
  object = NewObject();
  Add("EB8DI");
  object->Show(nullptr);
  auto& window = static_cast<frmMain&>(*object->EditorView());
  EXPECT_EQ(window.List(ChannelKind::DI).Rows().size(), 8u);
}

}  // namespace
