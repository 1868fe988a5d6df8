#pragma once

#include <string>
#include <vector>

#include "plugin/AppObjectFixture.h"
#include "support/RecordingEditor.h"
#include "support/RecordingSink.h"
#include "values/MMain.h"

// An application object of the bundled TQ4600 definition, with the bundled
// catalogue and templates, created as a host does it, with a recording sink
// and a recording editor attached and keys set.
class BundledObjectFixture : public AppObjectFixture {
 protected:
  void SetUp() override {
    AppObjectFixture::SetUp();
    modules::SetComponentModulePathForTesting(std::string(TQ_PLUGINS_DIR) +
                                              "/O_TQ4600/O_TQ4600.so");
    auto catalogue = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
    object->XmlSNVTDoc(catalogue.get());
    ASSERT_TRUE(Init("TQ4600"));
    object->Create();
    object->SetEditor(editor.get());
    object->CallBack(sink.get());
    qcom::Bstr key("OBJ1"), extended("P1\\OBJ1");
    object->put_GlobalKey(key.get());
    object->put_ExtendedKey(extended.get());
    sink->calls.clear();
    editor->calls.clear();
  }
  void TearDown() override {
    AppObjectFixture::TearDown();
    values::Shared() = saved_;
  }

  // Output names in collection order, each with its index ("AI AlarmStatus #0").
  std::vector<std::string> OutputNames() const {
    std::vector<std::string> names;
    for (const auto& entry : object->OutputSet()->Items())
      names.push_back(entry.key + " #" + std::to_string(entry.item->IndexValue()));
    return names;
  }

  qcom::ComPtr<testing_support::RecordingSink> sink = qcom::Make<testing_support::RecordingSink>();
  qcom::ComPtr<testing_support::RecordingEditor> editor =
      qcom::Make<testing_support::RecordingEditor>();

 private:
  values::MMain saved_ = values::Shared();
};
