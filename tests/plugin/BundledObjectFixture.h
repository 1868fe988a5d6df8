#pragma once

#include <functional>
#include <string>
#include <vector>

#include "plugin/AppObjectFixture.h"
#include "support/RecordingEditor.h"
#include "support/RecordingSink.h"
#include "xml/Elements.h"

// An application object of the bundled TQ4600 definition, with the bundled
// catalogue and templates, created as a host does it, with a recording sink
// and a recording editor attached and keys set.
class BundledObjectFixture : public AppObjectFixture {
 protected:
  void SetUp() override {
    AppObjectFixture::SetUp();
    UseBundledFiles();
    object->XmlSNVTDoc(LoadDocument(TQ_SNVT_FILE).get());
    ASSERT_TRUE(Init("TQ4600"));
    object->Create();
    object->SetEditor(editor.get());
    object->CallBack(sink.get());
    object->put_GlobalKey(qcom::Bstr("OBJ1").get());
    object->put_ExtendedKey(qcom::Bstr("P1\\OBJ1").get());
    sink->calls.clear();
    editor->calls.clear();
  }
  // Another object of the bundled type, initialised and created as a host
  // does it; the caller destroys it.
  static qcom::ComPtr<CDBAppObject> Another() {
    auto other = qcom::Make<CDBAppObject>();
    EXPECT_TRUE(Init(*other, "TQ4600"));
    other->Create();
    return other;
  }

  qcom::ComPtr<CDBEBModule> Add(const std::string& templateId) {
    auto entry = object->ModuleTemplates()->Item(templateId);
    EXPECT_TRUE(entry) << templateId;
    return object->ModuleSet()->AddModule(entry.get());
  }
  void RemoveLast() {
    CDBEBModules& set = *object->ModuleSet();
    set.RemoveModule(set.Modules().At(set.Count()).get());
  }

  // Places every chain the configuration tree allows, depth first, calling placed
  // after each addition and removed after each removal. The number of chains.
  using ChainStep = std::function<void(const std::vector<std::string>&)>;
  int ForEveryChain(const ChainStep& placed, const ChainStep& removed = {},
                    std::vector<std::string> chain = {}) {
    std::vector<std::string> next;
    for (const auto& entry : object->ModuleTemplates()->Items())
      if (entry.item->IsAddable()) next.push_back(entry.key);
    int chains = 0;
    for (const std::string& id : next) {
      chain.push_back(id);
      if (!Add(id)) return chains;
      placed(chain);
      chains += 1 + ForEveryChain(placed, removed, chain);
      RemoveLast();
      chain.pop_back();
      if (removed) removed(chain);
    }
    return chains;
  }

  static std::string Stream(CDBAppObject& of) {
    qcom::Bstr text;
    EXPECT_EQ(of.get_Stream(text.out()), S_OK);
    return text.utf8();
  }

  // The root element of the XML text.
  static qcom::ComPtr<IXMLDOMNode> Parse(const std::string& xml) {
    auto document = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    document->loadXML(qcom::Bstr(xml).get(), &ok);
    EXPECT_EQ(ok, VARIANT_TRUE) << xml;
    return qcom::ComPtr<IXMLDOMNode>(qxml::RootOf(document.get()).get());
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
};
