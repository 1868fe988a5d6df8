#include "host/ValueChecker.h"

#include <charconv>
#include <optional>

#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/TextRules.h"
#include "host/ComponentSession.h"
#include "host/ParameterType.h"
#include "values/EditLimits.h"
#include "values/SnvtKinds.h"

namespace host {

namespace {

std::optional<double> ReadNumber(IUnitConverter* units, const std::string& text) {
  qcom::Bstr argument(text);
  double number = 0;
  if (FAILED(units->TextToNumber(argument.inout(), &number))) return std::nullopt;
  return number;
}

std::string Limit(IUnitConverter* units, HRESULT (IUnitConverter::*member)(BSTR*, BSTR*),
                  const std::string& id) {
  qcom::Bstr snvtId(id), limit;
  (units->*member)(snvtId.inout(), limit.out());
  return limit.utf8();
}

// The refusal of a number, and what the unit service stores for it.
std::string CheckNumber(IUnitConverter* units, const std::string& id, const std::string& value,
                        std::string& stored) {
  qcom::Bstr snvtId(id), display(value), answer;
  if (SUCCEEDED(units->ToStored(snvtId.inout(), display.inout(), answer.out())))
    stored = answer.utf8();
  if (!ReadNumber(units, value)) return "The value is not a number";
  auto breach = values::BreachedLimit(
      value, Limit(units, &IUnitConverter::DisplayMin, id),
      Limit(units, &IUnitConverter::DisplayMax, id),
      [&](const std::string& text) { return ReadNumber(units, text).value_or(0); });
  return breach ? breach->message : std::string();
}

// The refusal of a value that is neither the code nor the name of a member;
// a name is replaced by its member's code.
std::string CheckMember(const ParameterType& type, std::string& value) {
  for (const ParameterType::Member& member : type.members)
    if (member.code == value) return {};
  std::string members;
  for (const ParameterType::Member& member : type.members) {
    if (qcom::text::EqualsNoCase(member.name, value)) {
      value = member.code;
      return {};
    }
    members += (members.empty() ? ": " : ", ") + member.name + " (" + member.code + ")";
  }
  return "The value is none of the members of " +
         (type.name.empty() ? "SNVT_" + type.id : type.name) +
         (members.empty() ? std::string(", which has none") : members);
}

// The refusal of a value the bit dialog cannot show: it shows 8 bits for a
// one-byte type and 16 for any other.
std::string CheckBits(int32_t length, const std::string& value) {
  const int bits = length == 1 ? 8 : 16;
  const long largest = (1L << bits) - 1;
  long number = -1;
  const char* end = value.data() + value.size();
  auto result = std::from_chars(value.data(), end, number);
  if (result.ec == std::errc() && result.ptr == end && number >= 0 && number <= largest) return {};
  return "The bit field has " + std::to_string(bits) +
         " bits: the value must be a whole number from 0 to " + std::to_string(largest);
}

}  // namespace

std::optional<hostkit::UnitSystem> UnitSystemNamed(const std::string& name) {
  if (qcom::text::EqualsNoCase(name, "si")) return hostkit::UnitSystem::kSI;
  if (qcom::text::EqualsNoCase(name, "us")) return hostkit::UnitSystem::kUS;
  return std::nullopt;
}

ValueChecker::ValueChecker(IXMLDOMDocument* catalogue, hostkit::UnitSystem system)
    : catalogue_(catalogue), system_(system) {}

IUnitConverter* ValueChecker::Units(std::string& error) {
  if (units_) return units_.get();
  qcom::ClearErrorRecord();
  HRESULT hr = qcom::CreateByProgId(kUnitServiceProgId, IUnitConverter::iid, units_.put_void());
  if (SUCCEEDED(hr) && units_) hr = units_->put_Catalogue(catalogue_);
  if (SUCCEEDED(hr) && units_) hr = units_->put_UnitSystem(static_cast<LONG>(system_));
  if (SUCCEEDED(hr) && units_) return units_.get();
  units_ = nullptr;
  error = std::string("the unit service ") + kUnitServiceProgId +
          " is not available: " + LastErrorText(hr);
  return nullptr;
}

bool ValueChecker::Check(const std::string& snvtId, const std::string& value, Checked& checked,
                         std::string& error) {
  checked = {value, {}};
  auto type = ReadParameterType(catalogue_, snvtId);
  if (!type) return true;
  if (values::IsNumericKind(type->kind)) {
    IUnitConverter* units = Units(error);
    if (!units) return false;
    checked.refusal = CheckNumber(units, type->id, value, checked.stored);
  } else if (type->kind == "Textual") {
    checked.refusal = values::TextTooLong(value, type->length);
  } else if (type->kind == "Enum") {
    checked.refusal = CheckMember(*type, checked.stored);
  } else if (type->kind == "Bitfield") {
    checked.refusal = CheckBits(type->length, value);
  }
  return true;
}

}  // namespace host
