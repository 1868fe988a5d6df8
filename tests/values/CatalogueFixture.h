#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "com/Bstr.h"
#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "values/MMain.h"
#include "xml/Dom.h"

// Installs a catalogue made from text as the shared SNVT document, records the
// messages shown, and puts the shared state back afterwards.
class CatalogueFixture : public ::testing::Test {
 protected:
  void TearDown() override { values::Shared() = saved_; }

  void UseCatalogue(const std::string& types) {
    auto document = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    qcom::Bstr text("<SNVTS>" + types + "</SNVTS>");
    document->loadXML(text.get(), &ok);
    ASSERT_EQ(ok, VARIANT_TRUE) << types;
    values::Shared().snvtDocument = document;
  }

  qcom::ComPtr<IXMLDOMNode> Element(const std::string& xml) {
    auto document = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    qcom::Bstr text(xml);
    document->loadXML(text.get(), &ok);
    EXPECT_EQ(ok, VARIANT_TRUE) << xml;
    qcom::ComPtr<IXMLDOMElement> root;
    document->get_documentElement(root.put());
    return qcom::ComPtr<IXMLDOMNode>(root.get());
  }

  void UseSeparators(const char* locale, const char* alternate) {
    values::Shared().localeDecimalSeparator = locale;
    values::Shared().alternateDecimalSeparator = alternate;
  }

  std::shared_ptr<platform::RecordingMessages> messages =
      std::make_shared<platform::RecordingMessages>();
  platform::ScopedMessageService guard{messages};

 private:
  values::MMain saved_ = values::Shared();
};
