// Saving the object into the host's project document and reading it back.
#include "com/Boundary.h"
#include "com/TextRules.h"
#include "platform/MessagePump.h"
#include "plugin/CDBAppObject.h"
#include "ports/EditorFactory.h"
#include "values/NumberRules.h"
#include "values/SnvtDataConversion.h"
#include "xml/Elements.h"

namespace {

using NodePtr = qcom::ComPtr<IXMLDOMNode>;

// An element appended to parent; null without a parent.
NodePtr AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, const std::string& name) {
  if (!parent) return nullptr;
  return NodePtr(qxml::AppendElement(document, parent, name).get());
}

bool HasAttributeNamed(IXMLDOMNode* element, const char* upperName) {
  for (const auto& attribute : qxml::AttributeFields(element))
    if (qcom::text::Upper(attribute.name) == upperName) return true;
  return false;
}

// A saved position: the separator adapted to the user's locale, then read as a
// number. One beyond the double range is not read, so the position stays one
// that can be written and read back.
std::optional<double> Position(const std::string& text) {
  return values::ReadFiniteUserNumber(values::LocaliseNumberText(text));
}

}  // namespace

NodePtr CDBAppObject::SaveHeader(IXMLDOMNode* parent, IXMLDOMDocument* document,
                                 bool withPlacement) const {
  NodePtr element = AppendElement(document, parent, uniqueIdString_);
  if (!element) return nullptr;
  qxml::AppendValueElement(document, element.get(), "UserName", userName_);
  if (withPlacement) {
    qxml::AppendValueElement(document, element.get(), "X_Position", values::DoubleText(xPosition_));
    qxml::AppendValueElement(document, element.get(), "Y_Position", values::DoubleText(yPosition_));
    qxml::AppendValueElement(document, element.get(), "CDB", lastStream_);
  } else {
    qxml::AppendValueElement(document, element.get(), "Key", extendedKey_);
  }
  if (attributes_) {
    NodePtr list = AppendElement(document, element.get(), "Attributes");
    for (const auto& entry : attributes_->Items()) {
      platform::PumpMessages();
      qxml::AppendValueElement(document, list.get(), entry.item->NameText(),
                               entry.item->ValueText());
    }
  }
  return element;
}

void CDBAppObject::SaveModules(IXMLDOMNode* element, IXMLDOMDocument* document,
                               bool simulatorForm) const {
  NodePtr list = AppendElement(document, element, "Modules");
  if (!list || !modules_) return;
  for (const auto& entry : modules_->Modules()) {
    platform::PumpMessages();
    if (simulatorForm)
      entry.item->XmlSaveSim(list.get(), document);
    else
      entry.item->XmlSave(list.get(), document);
  }
}

void CDBAppObject::SaveOutputFlags(IXMLDOMNode* element, IXMLDOMDocument* document) const {
  if (!outputs_) return;
  NodePtr list;
  for (const auto& entry : outputs_->Items()) {
    if (!entry.item->IsDisplayableFlag()) continue;
    if (!list) list = AppendElement(document, element, "Outputs");
    int32_t index = entry.item->IndexValue();
    qxml::AppendElementWithAttribute(document, list.get(), "Output" + values::ByteToHex(index),
                                     "IsDisplayable", "1");
  }
}

HRESULT CDBAppObject::XmlSave(IXMLDOMNode* parentNode, IXMLDOMDocument* document) {
  return qcom::Guarded([&] {
    NodePtr element = SaveHeader(parentNode, document, true);
    if (!element) return S_OK;
    SaveModules(element.get(), document, false);
    SaveOutputFlags(element.get(), document);
    return S_OK;
  });
}

HRESULT CDBAppObject::XMLSaveSim(IXMLDOMNode* parentNode, IXMLDOMDocument* document) {
  return qcom::Guarded([&] {
    NodePtr element = SaveHeader(parentNode, document, false);
    if (element) SaveModules(element.get(), document, true);
    return S_OK;
  });
}

HRESULT CDBAppObject::XMLSaveForInteroperability(IXMLDOMNode* parentNode,
                                                 IXMLDOMDocument* document) {
  return qcom::Guarded([&] {
    NodePtr element = SaveHeader(parentNode, document, false);
    if (!element) return S_OK;
    SaveModules(element.get(), document, false);
    SaveOutputFlags(element.get(), document);
    return S_OK;
  });
}

HRESULT CDBAppObject::XmlLoad(IXMLDOMNode* objectElement) {
  return qcom::Guarded([&] {
    // Modules and channels list their rows in the editor, so it must exist first.
    if (!editor_) {
      editor_ = ports::MakeEditor(this);
      isPlugInActive_ = true;
    }
    for (const NodePtr& child : qxml::Children(objectElement)) {
      platform::PumpMessages();
      const std::string name = qxml::UpperBaseName(child.get());
      if (name == "CDB") {
        if (auto text = qxml::Text(child.get())) lastStream_ = *text;
      } else if (name == "USERNAME") {
        if (auto text = qxml::Text(child.get())) {
          userName_ = *text;
          width_ = static_cast<int32_t>(qcom::text::Length(userName_)) + 5;
        }
      } else if (name == "X_POSITION" || name == "Y_POSITION") {
        auto text = qxml::Text(child.get());
        auto value = text ? Position(*text) : std::nullopt;
        if (value) (name == "X_POSITION" ? xPosition_ : yPosition_) = *value;
      } else if (name == "ATTRIBUTES") {
        for (const NodePtr& saved : qxml::Children(child.get())) {
          auto text = qxml::Text(saved.get());
          auto parameter = attributes_ ? attributes_->Item(qxml::BaseName(saved.get())) : nullptr;
          if (text && parameter) parameter->SetValueText(*text);
        }
      } else if (name == "MODULES") {
        LoadModules(child.get());
      } else if (name == "OUTPUTS") {
        LoadOutputFlags(child.get());
      }
    }
    return S_OK;
  });
}

void CDBAppObject::LoadModules(IXMLDOMNode* modulesElement) {
  if (!templates_ || !modules_) return;
  for (const NodePtr& saved : qxml::Children(modulesElement)) {
    // A name the catalogue does not know is skipped without a word.
    auto entry = templates_->Item(qxml::BaseName(saved.get()));
    if (!entry) continue;
    auto module = modules_->AddModule(entry.get());
    if (!module) continue;
    module->XmlLoad(saved.get());
    if (editor_) editor_->AddModuleButton({module->Key(), module->NameText()});
  }
}

void CDBAppObject::LoadOutputFlags(IXMLDOMNode* outputsElement) {
  if (!outputs_) return;
  for (const NodePtr& saved : qxml::Children(outputsElement)) {
    std::string name = qxml::BaseName(saved.get());
    std::string digits = qcom::text::Mid(name, name.size() >= 2 ? qcom::text::Length(name) - 2 : 0);
    auto index = values::RoundToInt32(values::PlainParse(values::HexToDecimalText(digits)));
    if (!index) continue;
    for (const auto& entry : outputs_->Items()) {
      if (entry.item->IndexValue() != *index) continue;
      if (HasAttributeNamed(saved.get(), "ISDISPLAYABLE"))
        entry.item->put_IsDisplayable(VARIANT_TRUE);
      break;
    }
  }
}
