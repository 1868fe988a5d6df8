#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "com/Bstr.h"
#include "com/Variant.h"
#include "modules/ComponentLocation.h"
#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "plugin/CDBAppObject.h"
#include "ui/frmMain.h"
#include "values/MMain.h"

// An application object of the bundled TQ4600 definition, templates and SNVT
// catalogue, created and keyed as a host does it, and the editor window
// opened on it the way the object's Show opens it.
class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    modules::SetComponentModulePathForTesting(std::string(TQ_PLUGINS_DIR) +
                                              "/O_TQ4600/O_TQ4600.so");
    object = NewObject();
    ASSERT_TRUE(object);
  }
  void TearDown() override {
    if (object) object->Destroy();
    object = nullptr;
    window = nullptr;
    modules::SetComponentModulePathForTesting("");
    values::Shared() = saved_;
  }

  // A created object with the keys a host gives it; null when it did not
  // initialise.
  static qcom::ComPtr<CDBAppObject> NewObject() {
    auto made = qcom::Make<CDBAppObject>();
    auto catalogue = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
    made->XmlSNVTDoc(catalogue.get());
    VARIANT code;
    VariantInit(&code);
    made->Init(qcom::Bstr("TQ4600").get(), &code, &ok);
    if (ok != VARIANT_TRUE) return nullptr;
    made->Create();
    made->put_GlobalKey(qcom::Bstr("OBJ1").get());
    made->put_ExtendedKey(qcom::Bstr("P1\\OBJ1").get());
    return made;
  }

  // The window as the object makes it: attached as the object's editor, given
  // the object, loaded and activated.
  static qcom::ComPtr<frmMain> OpenOn(CDBAppObject* on) {
    auto made = qcom::Make<frmMain>();
    on->SetEditor(made.get());
    made->SetAppObject(on);
    made->Load();
    made->Activate();
    return made;
  }
  void Open() { window = OpenOn(object.get()); }

  qcom::ComPtr<CDBEBModule> Add(const std::string& templateId) {
    auto entry = object->ModuleTemplates()->Item(templateId);
    EXPECT_TRUE(entry) << templateId;
    return object->ModuleSet()->AddModule(entry.get());
  }
  void RemoveLast() {
    CDBEBModules& set = *object->ModuleSet();
    set.RemoveModule(set.Modules().At(static_cast<int64_t>(set.Count())).get());
  }

  const ui::ChannelList& List(ports::ChannelKind kind) const { return window->List(kind); }

  std::vector<std::string> RowKeys(ports::ChannelKind kind) const {
    std::vector<std::string> keys;
    for (const ui::ListRow& row : List(kind).Rows()) keys.push_back(row.key);
    return keys;
  }

  std::vector<bool> EnabledTabs() const {
    std::vector<bool> enabled;
    for (int tab = 0; tab < ui::kChannelTabCount; ++tab)
      enabled.push_back(window->Tabs().Enabled(tab));
    return enabled;
  }

  // "id name tag caption", one per button.
  std::vector<std::string> Buttons() const {
    std::vector<std::string> buttons;
    for (const ui::ExplorerButton& b : window->Explorer().Buttons())
      buttons.push_back(std::to_string(b.id) + " " + b.name + " " + b.tag + " " + b.caption);
    return buttons;
  }

  // "Property=Value", one per row.
  std::vector<std::string> Details() const {
    std::vector<std::string> rows;
    for (const ui::DetailRow& row : window->Details().Rows())
      rows.push_back(row.property + "=" + row.value);
    return rows;
  }

  // Everything the window shows, as text, for before/after comparisons.
  std::string Everything() const {
    std::string text = "caption " + window->Caption() + "\n";
    text += "loaded " + std::to_string(window->Loaded()) + " first " +
            std::to_string(window->FirstActivation()) + " closing " +
            std::to_string(window->ClosingByOwner()) + "\n";
    for (const std::string& b : Buttons()) text += "button " + b + "\n";
    text += "tabs on " + std::to_string(window->Tabs().SwitchedOn()) + " current " +
            std::to_string(window->Tabs().Current()) + "\n";
    for (int tab = 0; tab < ui::kChannelTabCount; ++tab) {
      const auto& list = List(static_cast<ports::ChannelKind>(tab));
      text += "tab " + std::to_string(tab) + " " + std::to_string(window->Tabs().Enabled(tab)) +
              " list on " + std::to_string(list.SwitchedOn()) + "\n";
      for (const ui::ListColumn& column : list.Columns())
        text += " column " + column.key + "|" + column.text + "\n";
      for (const ui::ListRow& row : list.Rows()) {
        text += " row " + row.key + " " + row.image;
        for (const std::string& cell : row.cells) text += "|" + cell;
        text += "\n";
      }
    }
    for (const std::string& row : Details()) text += "detail " + row + "\n";
    const ui::ModuleCommands& commands = window->Commands();
    text += "add " + std::to_string(commands.addEnabled) + " remove " +
            std::to_string(commands.removeEnabled) + "\n";
    for (const ui::AddableTemplate& t : commands.addable)
      text += " addable " + t.templateId + "@" + std::to_string(t.slot) + "\n";
    return text;
  }

  std::shared_ptr<platform::RecordingMessages> messages =
      std::make_shared<platform::RecordingMessages>();
  platform::ScopedMessageService messageGuard{messages};
  qcom::ComPtr<CDBAppObject> object;
  qcom::ComPtr<frmMain> window;

 private:
  values::MMain saved_ = values::Shared();
};
