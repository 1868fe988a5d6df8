#include "hostkit/UsCustomaryUnits.h"

#include <iterator>

#include "com/TextRules.h"

namespace hostkit {

namespace {

// Exact definitions: the international foot, pound and BTU, the US gallon.
constexpr double kFoot = 0.3048;                  // m
constexpr double kPound = 0.45359237;             // kg
constexpr double kGallon = 3.785411784;           // l
constexpr double kBtuPerHour = 0.29307107017222;  // W
constexpr double kInchWater = 249.08891;          // Pa, water at 4 °C

struct Row {
  const char* si;
  UsUnit us;
};

// Every unit of the bundled catalogue that has a US customary counterpart.
const Row kRows[] = {
    {"°C", {"°F", 1.8, 32}},
    {"°C/min", {"°F/min", 1.8, 0}},
    {"kPa", {"psi", 1 / 6.894757293168361, 0}},
    {"Pa", {"inH2O", 1 / kInchWater, 0}},
    {"m", {"ft", 1 / kFoot, 0}},
    {"km", {"mi", 1 / 1.609344, 0}},
    {"mm", {"in", 1 / 25.4, 0}},
    {"µm", {"mil", 1 / 25.4, 0}},
    {"m²", {"ft²", 1 / (kFoot * kFoot), 0}},
    {"l", {"gal", 1 / kGallon, 0}},
    {"kl", {"kgal", 1 / kGallon, 0}},
    {"ml", {"fl oz", 128 / (1000 * kGallon), 0}},
    {"l/s", {"gal/min", 60 / kGallon, 0}},
    {"ml/s", {"gal/min", 60 / (1000 * kGallon), 0}},
    {"m³/h", {"ft³/min", 1 / (60 * kFoot * kFoot * kFoot), 0}},
    {"m/s", {"ft/min", 60 / kFoot, 0}},
    {"g", {"oz", 16 / (1000 * kPound), 0}},
    {"kg", {"lb", 1 / kPound, 0}},
    {"t", {"ton", 1 / (2 * kPound), 0}},
    {"mg", {"gr", 7 / kPound / 1000, 0}},
    {"kg/h", {"lb/h", 1 / kPound, 0}},
    {"kg/m³", {"lb/ft³", kFoot* kFoot* kFoot / kPound, 0}},
    {"g/m²", {"oz/yd²", 9 * kFoot* kFoot * 16 / (1000 * kPound), 0}},
    {"g/kg", {"gr/lb", 7, 0}},
    {"kJ/kg", {"BTU/lb", 1 / 2.326, 0}},
    {"W", {"BTU/h", 1 / kBtuPerHour, 0}},
    {"kW", {"kBTU/h", 1 / kBtuPerHour, 0}},
    {"W/m²", {"BTU/(h·ft²)", kFoot* kFoot / kBtuPerHour, 0}},
    {"lux", {"fc", kFoot* kFoot, 0}},
};

constexpr UsUnit kTemperatureDifference = {"°F", 1.8, 0};

}  // namespace

const UsUnit* UsCounterpart(const std::string& siUnit, const std::string& typeName) {
  for (const Row& row : kRows) {
    if (siUnit != row.si) continue;
    if (siUnit == "°C" && qcom::text::Upper(typeName).find("_DIFF") != std::string::npos)
      return &kTemperatureDifference;
    return &row.us;
  }
  return nullptr;
}

}  // namespace hostkit
