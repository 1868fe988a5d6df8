#include "plugin/StreamFieldFacts.h"

#include <cmath>
#include <optional>

#include "com/TextRules.h"
#include "com/Utf.h"
#include "faces/Engineering.h"
#include "values/DecimalSeparators.h"
#include "values/FieldText.h"
#include "values/NumberRules.h"
#include "values/SnvtCatalogue.h"
#include "values/StreamReadBack.h"

namespace plugin {

namespace {

std::string WithUnit(std::string text, const std::string& unit) {
  return unit.empty() ? text : text + " " + unit;
}

// " (NAME)" for an enumeration member's code, empty for no member.
std::string MemberName(const values::SnvtFields& type, double code) {
  const std::string name = values::EnumNameOf(FieldNumberText(code), type.enumDesc);
  return name.empty() ? std::string() : " (" + name + ")";
}

bool IsHexPairs(const std::string& hex) {
  if (hex.size() % 2 != 0) return false;
  for (char c : hex)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

// Whether the field holds the bytes its type promises; flags it otherwise.
bool HasItsBytes(StreamField& field) {
  if (field.hex.empty() && field.width > 0) {
    Flag(field, kStreamFieldFailed, "encoding failed");
  } else if (field.hex.size() != 2 * static_cast<size_t>(field.width)) {
    Flag(field, kStreamFieldWrongWidth, "wrong width");
  } else {
    return true;
  }
  field.readBack = field.hex.empty() ? "-" : field.hex;
  return false;
}

// The text the controller reads from the bytes of a textual field.
std::string TextBack(const std::string& hex) {
  std::u16string units;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    units += qcom::text::AnsiCharacter(
        static_cast<uint8_t>(values::HexBytes(hex.substr(i, 2)).value_or('?')));
  return qcom::ToUtf8(units);
}

void DescribeText(StreamField& field, const std::string& value, int32_t length) {
  const std::string back = TextBack(field.hex);
  field.readBack = "\"" + back + "\"";
  // The controller gets the text padded with blanks, or cut, to the type's length.
  std::string sent = qcom::text::Left(value, static_cast<size_t>(length));
  sent.append(static_cast<size_t>(length) - std::min<size_t>(qcom::text::Length(sent), length),
              ' ');
  if (back != sent) Flag(field, kStreamFieldChanged, "changed");
}

// Whether the number the controller reads is the one the value asks for.
bool Agrees(double read, double raw, const std::string& kind, int32_t width) {
  if (kind == "Float")
    // The short float keeps 11 bits of mantissa: half a step of the value's size.
    return std::fabs(read - raw) <= std::ldexp(std::max(std::fabs(raw), 1.0), -11);
  if (width == 4) return static_cast<float>(raw) == static_cast<float>(read);
  return std::fabs(read - raw) <= 1e-9 * std::max(1.0, std::fabs(raw));
}

}  // namespace

void Flag(StreamField& field, uint32_t flag, const std::string& words) {
  field.flags |= flag;
  field.note += (field.note.empty() ? "" : ", ") + words;
}

std::string FieldNumberText(double value) {
  return values::PointNumberText(value, 7);
}

void DescribeParameter(StreamField& field, const CDBAttribute* parameter) {
  field.kind = "parameter";
  if (!parameter) {
    field.stored = "-";
    Flag(field, kStreamFieldFailed, "encoding failed");
    field.readBack = "-";
    return;
  }
  const values::SnvtFields& type = parameter->TypeFields();
  const std::string& kind = type.genType;
  const std::string& value = parameter->StoredValue();
  field.stored = WithUnit(kind == "Textual" ? value : values::WithDecimalPoint(value), type.units);
  if (kind.empty()) {
    Flag(field, kStreamFieldNoType, "no SNVT type");
    field.readBack = "-";
    return;
  }
  if (const int32_t entries = values::CatalogueEntries(type.id); entries > 1)
    Flag(field, kStreamFieldDuplicateType,
         "SNVT_" + type.id + " defined " + std::to_string(entries) + " times in the catalogue");
  field.width = values::EncodedWidth(kind, type.length);
  if (field.width == 0) {
    // A kind or length the stream has no encoding for.
    Flag(field, kStreamFieldFailed, "encoding failed");
    field.readBack = "-";
    return;
  }
  const std::optional<double> number = values::ReadNumberText(value);
  if (kind == "Enum" && number) field.stored += MemberName(type, *number);
  if (!HasItsBytes(field)) return;
  if (kind == "Textual") return DescribeText(field, value, type.length);

  const std::optional<double> read = values::ReadBackNumber(field.hex, kind, type.length);
  if (!read) {
    field.readBack = "?";
    Flag(field, kStreamFieldChanged, "changed");
    return;
  }
  const bool scaled = values::IsScaledKind(kind);
  const auto a = static_cast<int16_t>(type.aCoef), b = static_cast<int16_t>(type.bCoef),
             c = static_cast<int16_t>(type.cCoef);
  const double shown = scaled ? values::RawToScaled(*read, a, b, c) : *read;
  field.readBack = WithUnit(FieldNumberText(shown), type.units);
  if (kind == "Enum") field.readBack += MemberName(type, *read);
  if (!std::isfinite(shown)) {
    Flag(field, kStreamFieldNoNumberBack, "reads back as no number");
    return;
  }
  if (!number) {
    Flag(field, kStreamFieldNotANumber, "not a number, sent as " + FieldNumberText(shown));
    return;
  }
  const double raw = scaled ? values::ScaledToRaw(*number, a, b, c) : *number;
  if (Agrees(*read, raw, kind, field.width)) return;
  if (values::FitOf(raw, kind, type.length) == values::FieldFit::kClamped)
    Flag(field, kStreamFieldClamped, "clamped");
  else if (kind != "Float" && field.width != 4 && *read == std::nearbyint(raw))
    Flag(field, kStreamFieldRounded, "rounded");
  else
    Flag(field, kStreamFieldChanged, "changed");
}

void DescribeNumber(StreamField& field, double value, int32_t width, std::string stored) {
  field.width = width;
  field.stored = stored.empty() ? values::PointNumberText(value, 15) : std::move(stored);
  if (!HasItsBytes(field)) return;
  const auto bits = values::HexBytes(field.hex);
  if (!bits) {
    field.readBack = field.hex;
    Flag(field, kStreamFieldNotHex, "not hex");
    return;
  }
  field.readBack = std::to_string(*bits);
  const double sent = std::nearbyint(value);
  const double top = width == 1 ? 255.0 : 65535.0;
  if (static_cast<double>(*bits) == value) return;
  if (static_cast<double>(*bits) == sent)
    Flag(field, kStreamFieldRounded, "rounded");
  else if (sent > top && *bits == top)
    Flag(field, kStreamFieldClamped, "clamped");
  else
    Flag(field, kStreamFieldChanged, "changed");
}

void DescribeHex(StreamField& field, std::string stored, int32_t width) {
  field.width = width;
  field.stored = std::move(stored);
  field.readBack = field.hex.empty() ? "-" : field.hex;
  if (!IsHexPairs(field.hex))
    Flag(field, kStreamFieldNotHex, "not hex");
  else if (field.hex.size() != 2 * static_cast<size_t>(width))
    Flag(field, kStreamFieldWrongWidth, "wrong width");
}

}  // namespace plugin
