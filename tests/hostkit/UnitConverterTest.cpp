// The unit service as the numeric dialog reaches it: by ProgID through the registry, by name.
#include <gtest/gtest.h>
#include <bit>
#include <random>
#include "com/Creation.h"
#include "faces/UnitConverter.h"
#include "support/LateBound.h"
#include "support/TempDir.h"
#include "values/NumberRules.h"
#include "values/SnvtCatalogue.h"
#include "xml/Elements.h"

class UnitService : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("QORDB_REGISTRY", (dir / "registry.xml").c_str(), 1);
    ASSERT_EQ(qcom::RegisterServer(TQ_PLUGINS_DIR "/UnitManager/UnitManager.so", false), S_OK);
    ASSERT_EQ(catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &loaded), S_OK);
    ASSERT_EQ(qcom::CreateByProgId("UnitManager.Converter", IUnitConverter::iid, unit.put_void()),
              S_OK);
    ASSERT_EQ(unit->put_Catalogue(catalogue.get()), S_OK);
  }
  std::string Call(const char* member, std::string_view id, std::string_view text = {}) {
    std::vector<qcom::Variant> args{id};
    if (!text.empty()) args.emplace_back(text);
    auto answer = testing_support::CallByName(unit.get(), member, testing_support::kGet, args);
    return FAILED(answer.hr) ? "error" : answer.text();
  }
  testing_support::TempDir dir;
  qcom::ComPtr<IXMLDOMDocument> catalogue = qxml::CreateDocument();
  VARIANT_BOOL loaded = VARIANT_FALSE;
  qcom::ComPtr<IUnitConverter> unit;
};

TEST_F(UnitService, EveryNumericTypeOfTheCatalogueRoundTripsInBothSystems) {
  std::mt19937 random(4600);
  int types = 0;  // every numeric type of the catalogue
  for (const auto& node : qxml::ChildElements(qxml::RootOf(catalogue.get()).get())) {
    values::SnvtFields t;
    values::ReadSnvtEntry(catalogue.get(), qxml::BaseName(node.get()).substr(5)).ApplyTo(t);
    if (t.luiType != "Numeric" && t.luiType != "Float") continue;
    ++types;
    const bool isFloat = t.genType == "Float";
    const double lo = values::PlainParse(t.min), step = t.aCoef * std::pow(10.0, t.bCoef);
    const double hi = t.max.empty() ? std::exp2(8 * t.length) - 1 : values::PlainParse(t.max);
    // The limits and their neighbours, 400 steps across the range, singles of any magnitude.
    std::vector<double> si{lo + step, hi - step};
    for (int i = 0; i <= 400; ++i) si.push_back(lo + (hi - lo) * i / 400);
    for (int i = 0; i < 400 && isFloat; ++i) si.push_back(std::bit_cast<float>(uint32_t(random())));
    for (LONG system : {0, 1}) {
      ASSERT_EQ(unit->put_UnitSystem(system), S_OK);
      for (double v : si) {
        if (!(v >= lo && v <= hi)) continue;
        const std::string text = isFloat ? values::SingleText(float(v))
                                         : values::DoubleText(std::round(v / step) * step);
        ASSERT_EQ(Call("ToStored", t.id, Call("ToDisplay", t.id, text)), text) << t.name << system;
      }
    }
  }
  EXPECT_EQ(types, 108);
}

TEST_F(UnitService, DisplayFormsUnitsDecimalsAndLimitsFollowTheSystemChosen) {
  // SNVT, locale, system (- default), stored, typed; what ToDisplay, ToStored and getters answer.
  // clang-format off
  const std::vector<std::vector<std::string>> rows = {
      {"105", "C", "-", "21.5", "21.25", "21.5", "21.25", "°C", "2", "-273.17", "327.66", "327.67"},
      {"105", "C", "1", "21.5", "70", "70.7", "21.11", "°F", "2", "-459.71", "621.79", "621.81"},
      {"105", "de_DE.UTF-8", "1", "21,5", "70,1", "70,7", "21,17", "°F", "2", "-459,71", "621,79", "621,81"},
      {"30", "C", "1", "101.3", "14.7", "14.69", "101.4", "psi", "2", "-475.26", "475.23", "475.25"},
      {"63", "C", "1", "21.5", "70", "70.7", "21.11111", "°F", "10", "-459.706", "6.125076E+38", ""},
      // A float takes the decimals of a single's text and is kept in its form.
      {"52", "C", "0", "125E-1", "-2.50", "12.5", "-2.5", "", "10", "-3.40282E+38", "3.40282E+38", ""},
      {"52", "de_DE.UTF-8", "0", "125E-1", "1,2345678", "12,5", "1,2345678", "", "10", "-3,40282E+38", "3,40282E+38", ""},
      {"9999", "C", "1", "1", "1", "error", "error", "error", "error", "error", "error", "error"},
  };
  // clang-format on
  for (const auto& row : rows) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, row[1].c_str()), nullptr) << row[1];
    ASSERT_EQ(row[2] == "-" ? S_OK : unit->put_UnitSystem(std::stoi(row[2])), S_OK);
    auto got = std::vector{Call("ToDisplay", row[0], row[3]), Call("ToStored", row[0], row[4])};
    for (auto member : {"UnitName", "DecimalCount", "DisplayMin", "DisplayMax", "InvalidValueText"})
      got.push_back(Call(member, row[0]));
    EXPECT_EQ(got, std::vector(row.begin() + 5, row.end())) << row[0] << " " << row[1] << row[2];
  }
  std::setlocale(LC_NUMERIC, "C");
  dir.Write("settings.xml", "<Settings><UnitSystem>US</UnitSystem></Settings>");
  SetUp();  // the settings file chooses the system of a new service object
  EXPECT_EQ(Call("UnitName", "39"), "°F");
}
