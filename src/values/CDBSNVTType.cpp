#include "values/CDBSNVTType.h"

#include <optional>

#include "com/OutParam.h"
#include "com/TextRules.h"
#include "platform/MessageBox.h"
#include "values/MMain.h"
#include "values/NumberRules.h"
#include "values/SnvtDataConversion.h"
#include "values/XmlRead.h"

namespace {

// A catalogue number: the longest numeric prefix, rounded half to even;
// nullopt when the element has no text or the number overflows 32 bits.
std::optional<int32_t> CatalogueNumber(std::optional<std::string> text) {
  if (!text) return std::nullopt;
  return values::RoundToInt32(values::PlainParse(*text));
}

std::optional<std::string> AttributeText(IXMLDOMNode* attribute) {
  qcom::Variant value;
  if (!attribute || FAILED(attribute->get_nodeValue(value.out())) || value.type() != VT_BSTR)
    return std::nullopt;
  return value.text();
}

}  // namespace

void CDBSNVTType::LoadFromCatalogue(const std::string& id) {
  id_ = id;
  auto typeNode = values::xml::FirstMatch(values::Shared().snvtDocument.get(),
                                          "SNVTS/SNVT_" + id_);
  if (!typeNode || !ReadTypeLevel(typeNode.get())) {
    if (!id_.empty()) platform::ShowMessage("Error: SNVT_" + id_ + " is not defined");
  }
}

// Attributes, NAME and TYPE; false at the first failure, which ends the load.
bool CDBSNVTType::ReadTypeLevel(IXMLDOMNode* typeNode) {
  qcom::ComPtr<IXMLDOMNamedNodeMap> attributes;
  if (FAILED(typeNode->get_attributes(attributes.put())) || !attributes) return false;
  LONG count = 0;
  attributes->get_length(&count);
  for (LONG i = 0; i < count; ++i) {
    qcom::ComPtr<IXMLDOMNode> attribute;
    if (FAILED(attributes->get_item(i, attribute.put())) || !attribute) return false;
    std::string name = values::xml::UpperBaseName(attribute.get());
    if (name != "FACTOR" && name != "R5REGION") continue;
    auto number = CatalogueNumber(AttributeText(attribute.get()));
    if (!number) return false;
    (name == "FACTOR" ? factor_ : r5Region_) = *number;
  }

  for (const auto& child : values::xml::Children(typeNode)) {
    std::string name = values::xml::UpperBaseName(child.get());
    if (name == "NAME") {
      auto text = values::xml::Text(child.get());
      if (!text) return false;
      name_ = *text;
    } else if (name == "TYPE") {
      auto text = values::xml::Text(child.get());
      if (!text) return false;
      genType_ = *text;
      ReadKind(typeNode);
    }
  }
  return true;
}

void CDBSNVTType::ReadKind(IXMLDOMNode* typeNode) {
  if (genType_ == "Enum") {
    luiType_ = "Logic";
    length_ = 1;
    ReadEnumeration();
  } else if (genType_ == "Struct") {
    luiType_ = "Invalid";
  } else if (genType_ == "Float") {
    luiType_ = "Float";
    ReadNumericDetails(typeNode);
  } else if (genType_ == "Textual") {
    luiType_ = "Textual";
    ReadTextualDetails(typeNode);
  } else if (genType_ == "SignedNumeric" || genType_ == "UnsignedNumeric" ||
             genType_ == "Bitfield") {
    luiType_ = "Numeric";
    ReadNumericDetails(typeNode);
  } else {
    platform::ShowMessage("Error: SNVT_" + id_ + " has a bad type");
  }
}

void CDBSNVTType::ReadEnumeration() {
  auto enums =
      values::xml::FirstMatch(values::Shared().snvtDocument.get(), "SNVTS/SNVT_" + id_ + "/Enums");
  std::string table;
  for (const auto& member : values::xml::Children(enums.get())) {
    auto text = values::xml::Text(member.get());
    if (!text) continue;  // a member without a value is skipped
    table += *text + "," + values::xml::BaseName(member.get()) + ";";
  }
  enumDesc_ = qcom::text::Trim(table);
}

void CDBSNVTType::ReadNumericDetails(IXMLDOMNode* typeNode) {
  for (const auto& child : values::xml::Children(typeNode)) {
    std::string name = values::xml::UpperBaseName(child.get());
    auto text = values::xml::Text(child.get());
    if (!text) continue;  // a child without text is skipped
    if (name == "UNIT") {
      units_ = *text;
    } else if (name == "MIN") {
      min_ = values::LocaliseNumberText(*text);
    } else if (name == "MAX") {
      max_ = values::LocaliseNumberText(*text);
    } else if (name == "INVALIDVALUE") {
      invalidValue_ = values::LocaliseNumberText(*text);
    } else if (name == "LENGTH" || name == "A_COEF" || name == "B_COEF" || name == "C_COEF") {
      auto number = CatalogueNumber(text);
      if (!number) continue;
      if (name == "LENGTH") length_ = *number;
      else if (name == "A_COEF") aCoef_ = *number;
      else if (name == "B_COEF") bCoef_ = *number;
      else cCoef_ = *number;
    }
  }
  if (length_ == 0) platform::ShowMessage("Error: SNVT_" + id_ + " has a bad Length");
}

void CDBSNVTType::ReadTextualDetails(IXMLDOMNode* typeNode) {
  for (const auto& child : values::xml::Children(typeNode)) {
    if (values::xml::UpperBaseName(child.get()) != "LENGTH") continue;
    if (auto number = CatalogueNumber(values::xml::Text(child.get()))) length_ = *number;
  }
}

std::string CDBSNVTType::DisplayMin() const { return values::LocaliseNumberText(min_); }
std::string CDBSNVTType::DisplayMax() const { return values::LocaliseNumberText(max_); }

HRESULT CDBSNVTType::get_ID(BSTR* id) { return qcom::ReturnText(id_, id); }
HRESULT CDBSNVTType::get_R5Region(LONG* region) { return qcom::ReturnValue(r5Region_, region); }
HRESULT CDBSNVTType::get_Factor(LONG* factor) { return qcom::ReturnValue(factor_, factor); }
HRESULT CDBSNVTType::get_ACoef(LONG* a) { return qcom::ReturnValue(aCoef_, a); }
HRESULT CDBSNVTType::get_BCoef(LONG* b) { return qcom::ReturnValue(bCoef_, b); }
HRESULT CDBSNVTType::get_CCoef(LONG* c) { return qcom::ReturnValue(cCoef_, c); }
HRESULT CDBSNVTType::get_GenType(BSTR* kind) { return qcom::ReturnText(genType_, kind); }
HRESULT CDBSNVTType::get_LUIType(BSTR* editClass) { return qcom::ReturnText(luiType_, editClass); }
HRESULT CDBSNVTType::get_InvalidValue(BSTR* value) { return qcom::ReturnText(invalidValue_, value); }
HRESULT CDBSNVTType::get_Name(BSTR* name) { return qcom::ReturnText(name_, name); }
HRESULT CDBSNVTType::get_Min(BSTR* min) { return qcom::ReturnText(DisplayMin(), min); }
HRESULT CDBSNVTType::get_Max(BSTR* max) { return qcom::ReturnText(DisplayMax(), max); }
HRESULT CDBSNVTType::get_Units(BSTR* units) { return qcom::ReturnText(units_, units); }
HRESULT CDBSNVTType::get_BACnetUnits(LONG* units) { return qcom::ReturnValue(0, units); }
HRESULT CDBSNVTType::get_EnumDesc(BSTR* table) { return qcom::ReturnText(enumDesc_, table); }
HRESULT CDBSNVTType::get_Length(LONG* bytes) { return qcom::ReturnValue(length_, bytes); }
HRESULT CDBSNVTType::get_HasField(VARIANT_BOOL* has) { return qcom::ReturnBool(false, has); }
