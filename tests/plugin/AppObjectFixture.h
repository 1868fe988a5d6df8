#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "com/TextRules.h"
#include "com/Variant.h"
#include "modules/ComponentLocation.h"
#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "plugin/CDBAppObject.h"
#include "support/TempDir.h"
#include "values/MMain.h"

// An application object whose component folder is a temp folder the test
// fills with definition files, and a recorder for the messages it shows. The
// shared catalogue state is put back afterwards.
class AppObjectFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // The component's folder exists wherever the component is loaded from.
    modules::SetComponentModulePathForTesting(dir.Write("O_TQ4600/O_TQ4600.so", ""));
    object = qcom::Make<CDBAppObject>();
  }
  void TearDown() override {
    if (object) object->Destroy();
    object = nullptr;
    modules::SetComponentModulePathForTesting("");
    values::Shared() = saved_;
  }

  static bool Init(CDBAppObject& target, const std::string& name) {
    VARIANT code;
    VariantInit(&code);
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(target.Init(qcom::Bstr(name).get(), &code, &ok), S_OK);
    return ok == VARIANT_TRUE;
  }
  bool Init(const std::string& name) { return Init(*object, name); }

  // The bundled definition, templates and data sheets instead of the temp folder's.
  static void UseBundledFiles() {
    modules::SetComponentModulePathForTesting(std::string(TQ_PLUGINS_DIR) +
                                              "/O_TQ4600/O_TQ4600.so");
  }
  static qcom::ComPtr<IXMLDOMDocument> LoadDocument(const std::string& path) {
    auto document = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    document->load(qcom::Variant(path).raw(), &ok);
    return document;
  }

  // A text the object, or one of its parts, answers.
  template <class Of, class Getter>
  static std::string Text(Of& of, Getter getter) {
    qcom::Bstr value;
    EXPECT_EQ((of.*getter)(value.out()), S_OK);
    return value.utf8();
  }

  // A figure or flag the object answers.
  template <class T>
  T Get(HRESULT (CDBAppObject::*getter)(T*)) {
    T value{};
    EXPECT_EQ((object.get()->*getter)(&value), S_OK);
    return value;
  }

  testing_support::TempDir dir;
  std::shared_ptr<platform::RecordingMessages> messages =
      std::make_shared<platform::RecordingMessages>();
  platform::ScopedMessageService messageGuard{messages};
  qcom::ComPtr<CDBAppObject> object;

 private:
  values::MMain saved_ = values::Shared();
};
