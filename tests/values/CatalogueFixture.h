#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <string>

#include "com/Bstr.h"
#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "values/MMain.h"
#include "xml/Dom.h"

// Installs a catalogue made from text as the shared SNVT document, records the
// messages shown, and puts the shared state and the process locale back
// afterwards, so the order of tests never matters.
class CatalogueFixture : public ::testing::Test {
 protected:
  void TearDown() override {
    values::Shared() = saved_;
    std::setlocale(LC_NUMERIC, locale_.c_str());
  }

  static qcom::ComPtr<IXMLDOMDocument> Parse(const std::string& xml) {
    auto document = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    document->loadXML(qcom::Bstr(xml).get(), &ok);
    EXPECT_EQ(ok, VARIANT_TRUE) << xml;
    return document;
  }

  void UseCatalogue(const std::string& types) {
    values::Shared().snvtDocument = Parse("<SNVTS>" + types + "</SNVTS>");
  }

  qcom::ComPtr<IXMLDOMNode> Element(const std::string& xml) {
    qcom::ComPtr<IXMLDOMElement> root;
    Parse(xml)->get_documentElement(root.put());
    return qcom::ComPtr<IXMLDOMNode>(root.get());
  }

  // The user's separator; the other one is the alternate.
  static void UseSeparator(const char* separator) {
    values::Shared().localeDecimalSeparator = separator;
    values::Shared().alternateDecimalSeparator = separator[0] == '.' ? "," : ".";
  }

  std::shared_ptr<platform::RecordingMessages> messages =
      std::make_shared<platform::RecordingMessages>();
  platform::ScopedMessageService guard{messages};

 private:
  values::MMain saved_ = values::Shared();
  std::string locale_ = std::setlocale(LC_NUMERIC, nullptr);
};
