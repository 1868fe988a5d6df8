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
  using Strings = std::vector<std::string>;

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

  // A created object with the keys a host gives it; null when it did not initialise.
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

  // The window as the object makes it: its editor, on it, loaded and activated.
  void Open() {
    window = qcom::Make<frmMain>();
    object->SetEditor(window.get());
    window->SetAppObject(object.get());
    window->Load();
    window->Activate();
  }

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

  template <class Items, class Text>
  static Strings Each(const Items& items, Text text) {
    Strings out;
    for (const auto& item : items) out.push_back(text(item));
    return out;
  }
  // "id name tag caption", one per button.
  Strings Buttons() const {
    return Each(window->Explorer().Buttons(), [](const ui::Tool& b) {
      return std::to_string(b.id) + " " + b.name + " " + b.tag + " " + b.caption;
    });
  }
  Strings Details() const {
    return Each(window->Details().Rows(),
                [](const ui::DetailRow& row) { return row.property + "=" + row.value; });
  }
  std::vector<bool> EnabledTabs() const {
    std::vector<bool> enabled;
    for (int tab = 0; tab < ui::kChannelTabCount; ++tab)
      enabled.push_back(window->Tabs().Enabled(tab));
    return enabled;
  }
  std::shared_ptr<platform::RecordingMessages> messages =
      std::make_shared<platform::RecordingMessages>();
  platform::ScopedMessageService messageGuard{messages};
  qcom::ComPtr<CDBAppObject> object;
  qcom::ComPtr<frmMain> window;

 private:
  values::MMain saved_ = values::Shared();
};
