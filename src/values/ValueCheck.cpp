#include "values/ValueCheck.h"

#include <cmath>

#include "com/TextRules.h"
#include "values/DecimalSeparators.h"
#include "values/EditLimits.h"
#include "values/FieldText.h"
#include "values/NumberRules.h"
#include "values/SnvtKinds.h"
#include "values/StreamReadBack.h"

namespace values {

namespace {

class SiUnits final : public ValueUnits {
 public:
  std::string ToStored(const ParameterDefinition&, const std::string& display) override {
    return LocaliseNumberText(display);
  }
  std::string ToDisplay(const ParameterDefinition&, const std::string& stored) override {
    return LocaliseNumberText(stored);
  }
  std::string DisplayMin(const ParameterDefinition& definition) override {
    return definition.typeMin;
  }
  std::string DisplayMax(const ParameterDefinition& definition) override {
    return definition.typeMax;
  }
  std::optional<double> ReadNumber(const std::string& text) override {
    return ReadNumberText(text);
  }
};

// Whether a number has no more than `decimals` digits after the point, as far
// as a double tells.
bool HasAtMostDecimals(double value, int32_t decimals) {
  const double scaled = value * std::pow(10.0, decimals);
  return std::fabs(scaled - std::nearbyint(scaled)) <= 1e-9 * std::max(1.0, std::fabs(scaled));
}

// The limits a definition element gives of its own, in words, in the unit
// the value was given in; empty when it gives none.
std::string OwnLimits(const ParameterDefinition& definition, ValueUnits& units) {
  auto shown = [&](const std::string& limit) {
    return WithDecimalPoint(units.ToDisplay(definition, limit));
  };
  if (!definition.ownMin.empty() && !definition.ownMax.empty())
    return shown(definition.ownMin) + " to " + shown(definition.ownMax);
  if (!definition.ownMin.empty()) return "at least " + shown(definition.ownMin);
  if (!definition.ownMax.empty()) return "at most " + shown(definition.ownMax);
  return {};
}

std::string CheckNumber(const ParameterDefinition& definition, const std::string& text,
                        ValueUnits& units, std::string& stored) {
  stored = text;
  if (!units.ReadNumber(text)) return "The value is not a number";
  const std::optional<double> number = ReadNumberText(units.ToStored(definition, text));
  if (!number) return "The value is not a number";
  stored = CanonicalNumberText(*number);
  const std::string min = units.DisplayMin(definition), max = units.DisplayMax(definition);
  auto breach = BreachedLimit(text, min, max, [&](const std::string& limit) {
    return units.ReadNumber(limit).value_or(0);
  });
  if (breach)
    // The dialog's words, with its limit written as every answer writes numbers.
    return breach->message.substr(0, breach->message.size() - breach->limit.size()) +
           WithDecimalPoint(breach->limit);
  const SnvtFields& type = *definition.type;
  if (IsScaledKind(type.genType)) {
    const int32_t decimals = std::max(0, -type.bCoef);
    if (!HasAtMostDecimals(*number, decimals))
      return decimals == 0 ? std::string("The value must be a whole number")
                           : "The value can have at most " + std::to_string(decimals) +
                                 (decimals == 1 ? " decimal" : " decimals");
  }
  auto low = ReadNumberText(definition.ownMin), high = ReadNumberText(definition.ownMax);
  if ((low && *number < *low) || (high && *number > *high))
    return "The value is outside the limits of its definition: " + OwnLimits(definition, units);
  return {};
}

// A member's code, its number in any form, or its name in any letter case;
// a name or number is stored as the member's code.
std::string CheckMember(const SnvtFields& type, const std::string& text, std::string& stored) {
  const std::vector<EnumMember> members = EnumMembers(type.enumDesc);
  const std::string trimmed = qcom::text::Trim(text);
  const std::optional<double> number = ReadNumberText(trimmed);
  for (const EnumMember& member : members) {
    const std::string code = qcom::text::Trim(member.code);
    const std::optional<double> codeNumber = ReadNumberText(code);
    if (code == trimmed || (number && codeNumber && *number == *codeNumber) ||
        qcom::text::EqualsNoCase(member.name, trimmed)) {
      stored = code;
      return {};
    }
  }
  std::string list;
  for (const EnumMember& member : members)
    list += (list.empty() ? ": " : ", ") + member.name + " (" + qcom::text::Trim(member.code) + ")";
  return "The value is none of the members of " +
         (type.name.empty() ? "SNVT_" + type.id : type.name) +
         (list.empty() ? std::string(", which has none") : list);
}

// The bit dialog shows 8 bits for a one-byte type and 16 for any other.
std::string CheckBits(int32_t length, const std::string& text, std::string& stored) {
  const int bits = length == 1 ? 8 : 16;
  const double largest = std::ldexp(1.0, bits) - 1;
  const std::optional<double> number = ReadNumberText(text);
  if (number && *number == std::nearbyint(*number) && *number >= 0 && *number <= largest) {
    stored = CanonicalNumberText(*number);
    return {};
  }
  return "The bit field has " + std::to_string(bits) +
         " bits: the value must be a whole number from 0 to " +
         std::to_string(static_cast<int64_t>(largest));
}

}  // namespace

ValueUnits& CatalogueUnits() {
  static SiUnits units;
  return units;
}

CheckedValue CheckValue(const ParameterDefinition& definition, std::string_view text,
                        ValueUnits& units) {
  const std::string value(text);
  CheckedValue checked{value, {}};
  const SnvtFields& type = *definition.type;
  if (IsNumericKind(type.genType))
    checked.refusal = CheckNumber(definition, value, units, checked.stored);
  else if (type.genType == "Textual")
    checked.refusal = TextTooLong(value, type.length);
  else if (type.genType == "Enum")
    checked.refusal = CheckMember(type, value, checked.stored);
  else if (type.genType == "Bitfield")
    checked.refusal = CheckBits(type.length, value, checked.stored);
  return checked;
}

std::string CanonicalNumberText(double value) {
  return PointNumberText(value, 15);
}

bool DiffersFromDefault(std::string_view value, std::string_view defaultValue) {
  auto a = ReadNumberText(value), b = ReadNumberText(defaultValue);
  if (a && b) return *a != *b;
  return qcom::text::Trim(value) != qcom::text::Trim(defaultValue);
}

}  // namespace values
