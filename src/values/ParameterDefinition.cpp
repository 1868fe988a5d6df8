#include "values/ParameterDefinition.h"

#include <utility>

#include "com/TextRules.h"
#include "platform/MessageBox.h"
#include "values/DecimalSeparators.h"
#include "values/KeptPerElement.h"
#include "values/NumberRules.h"
#include "values/SnvtCatalogue.h"
#include "values/SnvtKinds.h"
#include "xml/Elements.h"

namespace values {
namespace {

// The dialog a parameter of the given SNVT kind is edited with.
ports::DialogKind DialogKindFor(std::string_view genType) {
  using ports::DialogKind;
  if (IsNumericKind(genType)) return DialogKind::Numeric;
  if (genType == "Enum") return DialogKind::Enumeration;
  if (genType == "Bitfield") return DialogKind::BitField;
  if (genType == "Textual") return DialogKind::Text;
  return DialogKind::None;
}

ParameterReading Read(const std::string& name, IXMLDOMNode* node) {
  ParameterReading reading;
  reading.name = name;
  auto warn = [&](const char* what) {
    reading.messages.push_back({name + what, platform::kMessageCritical, "Warning"});
  };
  ParameterDefinition definition;
  const auto fields = qxml::Fields(node);
  for (const auto& field : fields) {
    std::string upper = qcom::text::Upper(field.name);
    // A child without text reads as the empty text.
    std::string text = field.text.value_or("");
    if (upper == "DESCRIPTION") {
      definition.description = text;
    } else if (upper == "CDBORDERINPOSITION") {
      if (text.empty()) warn(": CDBOrderingPosition not defined into the XML file of the object.");
      definition.orderPosition = RoundToInt32(PlainParse(text)).value_or(definition.orderPosition);
    } else if (upper == "VISIBLE") {
      definition.visible = PlainParse(text) != 0;
    } else if (upper == "SNVTTYPE") {
      definition.snvtTypeId = text;
      if (text.empty()) warn(": SNVTType not defined into the XML file of the object.");
    } else if (upper == "DEFAULTVALUE") {
      definition.initialValue = text.empty() ? "0" : text;
      definition.defaultValue = definition.initialValue;
      if (text.empty()) warn(": Default value not defined into the XML file of the object.");
    }
  }

  // The entry's problems are shown at every load, as if it were read anew.
  const auto record = CatalogueRecord(definition.snvtTypeId);
  SnvtFields type = *record->fields;
  for (const std::string& problem : record->problems)
    reading.messages.push_back({problem, platform::kMessageOk, ""});

  if (IsNumericKind(type.genType)) {
    // Numeric kinds: the exactly spelled elements override the default and the type's limits.
    auto lastExactly = [&](std::string_view spelled) -> std::optional<std::string> {
      std::optional<std::string> found;
      for (const auto& field : fields)
        if (field.name == spelled) found = field.text.value_or("");
      return found;
    };
    definition.defaultValue = LocaliseNumberText(lastExactly("DefaultValue").value_or(""));
    definition.typeMin = LocaliseNumberText(type.min);
    definition.typeMax = LocaliseNumberText(type.max);
    if (auto min = lastExactly("Min"); min && !min->empty()) {
      type.min = LocaliseNumberText(*min);
      definition.ownMin = type.min;
    }
    definition.min = LocaliseNumberText(type.min);
    if (auto max = lastExactly("Max"); max && !max->empty()) {
      type.max = LocaliseNumberText(*max);
      definition.ownMax = type.max;
    }
    definition.max = LocaliseNumberText(type.max);
  }
  definition.dialogKind = DialogKindFor(type.genType);
  const bool shortens = type.genType == "Float" && type.length != 2;
  definition.type = std::make_shared<const SnvtFields>(std::move(type));
  if (shortens) {
    ParameterDefinition shortened = definition;
    auto shortType = std::make_shared<SnvtFields>(*definition.type);
    shortType->length = 2;
    shortened.type = std::move(shortType);
    definition.shortFloat = std::make_shared<const ParameterDefinition>(std::move(shortened));
  }
  reading.definition = std::make_shared<const ParameterDefinition>(std::move(definition));
  return reading;
}

}  // namespace

std::shared_ptr<const ParameterReading> ReadParameterDefinition(const std::string& name,
                                                                IXMLDOMNode* node) {
  static KeptPerElement<ParameterReading> kept(4096);
  // The same element read under another name warns with that name.
  return kept.Get(
      node, [&](IXMLDOMNode* element) { return Read(name, element); },
      [&](const ParameterReading& reading) { return reading.name == name; });
}

}  // namespace values
