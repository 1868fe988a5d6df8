// Every numeric type of the bundled catalogue: values on the type's resolution
// inside its limits encode to the raw value of the scaling rule
// engineering value = A * 10^B * (raw + C).
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>

#include "values/CDBSNVTType.h"
#include "values/CatalogueFixture.h"
#include "values/NumberRules.h"
#include "values/SnvtDataConversion.h"
#include "xml/Elements.h"

namespace {

// The stream bytes of a raw value, written independently of the encoder;
// four-byte numbers travel as the bits of a single.
std::string ExpectedHex(int64_t raw, int length) {
  uint64_t bits = static_cast<uint64_t>(raw) & (length == 1 ? 0xFF : 0xFFFF);
  if (length == 4) {
    float f = static_cast<float>(raw);
    uint32_t single;
    std::memcpy(&single, &f, sizeof single);
    bits = single;
  }
  char buf[24];
  std::snprintf(buf, sizeof buf, "%0*llX", 2 * length, static_cast<unsigned long long>(bits));
  return buf;
}

// The engineering value of a raw value as text with the type's decimals.
std::string ValueText(int64_t raw, int a, int b, int c, const std::string& separator) {
  int decimals = b < 0 ? -b : 0;
  // Exact in decimal: (raw + c) * a scaled by 10^b.
  long double v = static_cast<long double>(raw + c) * a * std::pow(10.0L, b);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Lf", decimals, v);
  std::string text = buf;
  if (size_t dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, separator);
  return text;
}

}  // namespace

using CatalogueEncoding = CatalogueFixture;

TEST_F(CatalogueEncoding, EveryNumericTypeEncodesItsRawValues) {
  auto document = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  document->load(qcom::Variant(std::string(TQ_SOURCE_DIR) + "/data/snvt/snvt.xml").raw(), &ok);
  ASSERT_EQ(ok, VARIANT_TRUE);
  values::Shared().snvtDocument = document;
  auto root = qxml::FirstMatch(document.get(), "SNVTS");
  int checkedTypes = 0, checkedValues = 0;
  for (const auto& element : qxml::Children(root.get())) {
    std::string id = qxml::BaseName(element.get()).substr(5);
    auto type = qcom::Make<CDBSNVTType>();
    type->LoadFromCatalogue(id);
    const std::string& kind = type->GenType();
    if (kind != "SignedNumeric" && kind != "UnsignedNumeric") continue;
    const int a = type->ACoef(), b = type->BCoef(), c = type->CCoef(), length = type->Length();
    ASSERT_NE(a, 0) << id;
    // The raw limits, from the catalogue's texts.
    double step = a * std::pow(10.0, b);
    int64_t rawMin = std::llround(values::PlainParse(type->DisplayMin()) / step) - c;
    int64_t rawMax = std::llround(values::PlainParse(type->DisplayMax()) / step) - c;
    if (length == 4) {
      // Seven significant digits carry a single exactly.
      rawMin = std::max<int64_t>(rawMin, -9999999);
      rawMax = std::min<int64_t>(rawMax, 9999999);
    }
    ASSERT_LE(rawMin, rawMax) << id;
    std::set<int64_t> raws = {rawMin, rawMin + 1, (rawMin + rawMax) / 2, rawMax - 1, rawMax};
    if (rawMin <= 0 && rawMax >= 0) raws.insert(0);
    for (int64_t raw : raws) {
      for (const char* sep : {".", ","}) {
        UseSeparators(sep, std::string(sep) == "." ? "," : ".");
        std::string text = ValueText(raw, a, b, c, sep);
        EXPECT_EQ(values::ValueToStreamHex(text, kind, length, static_cast<int16_t>(a),
                                           static_cast<int16_t>(b), static_cast<int16_t>(c)),
                  ExpectedHex(raw, length))
            << "SNVT_" << id << " " << type->Name() << " value " << text << " raw " << raw;
        ++checkedValues;
      }
    }
    ++checkedTypes;
  }
  EXPECT_GE(checkedTypes, 70);
  EXPECT_TRUE(messages->Messages().empty()) << messages->Texts().front();
  RecordProperty("types", checkedTypes);
  RecordProperty("values", checkedValues);
}
