#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "com/TextRules.h"
#include "com/Variant.h"
#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "plugin/CDBAppObject.h"
#include "modules/ComponentLocation.h"
#include "support/TempDir.h"

// An application object whose component folder is a temp folder the test
// fills with definition files, and a recorder for the messages it shows.
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
  }

  bool Init(const std::string& name) {
    VARIANT code;
    VariantInit(&code);
    VARIANT_BOOL ok = VARIANT_FALSE;
    qcom::Bstr n(name);
    EXPECT_EQ(object->Init(n.get(), &code, &ok), S_OK);
    return ok == VARIANT_TRUE;
  }

  template <class Getter>
  std::string Text(Getter getter) {
    qcom::Bstr value;
    EXPECT_EQ((object.get()->*getter)(value.out()), S_OK);
    return value.utf8();
  }

  testing_support::TempDir dir;
  std::shared_ptr<platform::RecordingMessages> messages =
      std::make_shared<platform::RecordingMessages>();
  platform::ScopedMessageService messageGuard{messages};
  qcom::ComPtr<CDBAppObject> object;
};
