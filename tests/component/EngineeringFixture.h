#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "com/Bstr.h"
#include "com/Creation.h"
#include "com/Registry.h"
#include "com/Variant.h"
#include "faces/AppObject.h"
#include "faces/Engineering.h"
#include "support/TempDir.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

// The built component as a host meets it: registered in a registry of the
// test's own, objects created by ProgID, the engineering interface reached by
// QueryInterface and called through its vtable.
class EngineeringFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("QORDB_REGISTRY");
    oldRegistry_ = old ? old : "";
    setenv("QORDB_REGISTRY", (dir / "registry.xml").c_str(), 1);
    ASSERT_EQ(qcom::RegisterServer(std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so", false),
              S_OK);
  }
  void TearDown() override {
    for (auto& object : objects_) object->Destroy();
    objects_.clear();
    std::setlocale(LC_ALL, "C");
    CoFreeUnusedLibraries();
    setenv("QORDB_REGISTRY", oldRegistry_.c_str(), 1);
  }

 public:
  // The bundled catalogue as a document the test may change.
  static qcom::ComPtr<IXMLDOMDocument> Catalogue(const std::string& xml = {}) {
    auto catalogue = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    if (xml.empty())
      catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
    else
      catalogue->loadXML(qcom::Bstr(xml).get(), &ok);
    EXPECT_EQ(ok, VARIANT_TRUE);
    return catalogue;
  }

  // An object of the bundled type with the modules of a chain ("EB4AI2AO,EB8DI")
  // placed as a saved element lists them; destroyed after the test.
  qcom::ComPtr<IEngineering> Object(const std::string& chain,
                                    IXMLDOMDocument* catalogue = nullptr) {
    qcom::ComPtr<IAppObject> object;
    EXPECT_EQ(qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void()),
              S_OK);
    if (!object) return nullptr;
    objects_.push_back(object);
    object->XmlSNVTDoc(catalogue ? catalogue : Catalogue().get());
    VARIANT_BOOL ok = VARIANT_FALSE;
    qcom::Variant code;
    object->Init(qcom::Bstr("TQ4600").get(), code.out(), &ok);
    EXPECT_EQ(ok, VARIANT_TRUE);
    object->Create();
    std::string modules;
    for (size_t start = 0; start < chain.size();) {
      size_t end = chain.find(',', start);
      if (end == std::string::npos) end = chain.size();
      const std::string id = chain.substr(start, end - start);
      const size_t first = id.find_first_not_of(' ');
      if (first != std::string::npos) modules += "<" + id.substr(first) + "/>";
      start = end + 1;
    }
    auto saved = qxml::CreateDocument();
    saved->loadXML(qcom::Bstr("<TQ4600><Modules>" + modules + "</Modules></TQ4600>").get(), &ok);
    object->XmlLoad(qxml::RootOf(saved.get()).get());
    return qcom::QueryAs<IEngineering>(object.get());
  }

  static std::string Stream(IEngineering* engineering) {
    auto object = qcom::QueryAs<IAppObject>(engineering);
    qcom::Bstr stream;
    object->get_Stream(stream.out());
    return stream.utf8();
  }

  template <class I, class Getter>
  static std::string Text(I* of, Getter getter) {
    qcom::Bstr text;
    EXPECT_EQ((of->*getter)(text.out()), S_OK);
    return text.utf8();
  }
  // The text a call hands back through its last parameter.
  template <class Call>
  static std::string Answer(Call call) {
    qcom::Bstr text;
    EXPECT_EQ(call(text.out()), S_OK);
    return text.utf8();
  }
  template <class I>
  static LONG Number(I* of, HRESULT (I::*getter)(LONG*)) {
    LONG value = -1;
    EXPECT_EQ((of->*getter)(&value), S_OK);
    return value;
  }

  // The items of a list, as the interface the caller names.
  template <class I>
  static std::vector<qcom::ComPtr<I>> Items(IEngineeringList* list) {
    std::vector<qcom::ComPtr<I>> items;
    LONG count = 0;
    list->get_Count(&count);
    for (LONG i = 1; i <= count; ++i) {
      qcom::Variant item;
      list->get_Item(qcom::Variant(int32_t{i}).raw(), item.out());
      items.push_back(qcom::QueryAs<I>(item.object()));
    }
    return items;
  }

  // The value check of SetValue (set) or CheckValue: stored text, refusal, written.
  struct Checked {
    std::string stored, refusal;
    bool written = false;
    bool operator==(const Checked&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Checked& c) {
      return out << c.stored << " | " << c.refusal << (c.written ? " | written" : "");
    }
  };
  static Checked Check(IEngineering* engineering, const std::string& path, const std::string& text,
                       bool set = false, bool force = false, LONG units = kUnitsSI) {
    qcom::ComPtr<IValueCheck> check;
    qcom::Bstr p(path), t(text);
    HRESULT hr = set ? engineering->SetValue(p.get(), t.get(), units,
                                             force ? VARIANT_TRUE : VARIANT_FALSE, check.put())
                     : engineering->CheckValue(p.get(), t.get(), units, check.put());
    EXPECT_EQ(hr, S_OK) << path << "=" << text;
    if (!check) return {};
    VARIANT_BOOL written = VARIANT_FALSE;
    check->get_Written(&written);
    return {Text(check.get(), &IValueCheck::get_Stored),
            Text(check.get(), &IValueCheck::get_Refusal), written == VARIANT_TRUE};
  }
  static void Force(IEngineering* engineering, const std::string& path, const std::string& text) {
    EXPECT_TRUE(Check(engineering, path, text, true, true).written) << path << "=" << text;
  }

  testing_support::TempDir dir;

 private:
  std::vector<qcom::ComPtr<IAppObject>> objects_;
  std::string oldRegistry_;
};

// One field of an explained stream, as a host prints it.
struct FieldRow {
  LONG offset = 0;
  std::string hex, row, name, stored, readBack;
  LONG flags = 0;
  std::string note;
  bool operator==(const FieldRow&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const FieldRow& r) {
    return out << r.offset << " " << r.hex << " | " << r.row << " | " << r.name << " | " << r.stored
               << " | " << r.readBack << " | " << r.flags << " " << r.note;
  }
};

inline std::vector<FieldRow> FieldRows(IStreamExplanation* explanation) {
  qcom::ComPtr<IEngineeringList> fields;
  explanation->get_Fields(fields.put());
  std::vector<FieldRow> rows;
  for (const auto& field : EngineeringFixture::Items<IStreamField>(fields.get())) {
    FieldRow row;
    field->get_Offset(&row.offset);
    row.hex = EngineeringFixture::Text(field.get(), &IStreamField::get_Hex);
    row.row = EngineeringFixture::Text(field.get(), &IStreamField::get_Row);
    row.name = EngineeringFixture::Text(field.get(), &IStreamField::get_Name);
    row.stored = EngineeringFixture::Text(field.get(), &IStreamField::get_Stored);
    row.readBack = EngineeringFixture::Text(field.get(), &IStreamField::get_ReadBack);
    field->get_Flags(&row.flags);
    row.note = EngineeringFixture::Text(field.get(), &IStreamField::get_Note);
    rows.push_back(row);
  }
  return rows;
}

inline qcom::ComPtr<IStreamExplanation> Explain(IEngineering* engineering) {
  qcom::ComPtr<IStreamExplanation> explanation;
  EXPECT_EQ(engineering->ExplainStream(explanation.put()), S_OK);
  return explanation;
}

// The field of that name (the first), or an empty row.
inline FieldRow FieldNamed(const std::vector<FieldRow>& rows, const std::string& name) {
  for (const FieldRow& row : rows)
    if (row.name == name) return row;
  return {};
}
