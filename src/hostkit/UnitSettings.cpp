#include "hostkit/UnitSettings.h"

#include <filesystem>

#include "com/Registry.h"
#include "com/TextRules.h"
#include "com/Variant.h"
#include "platform/MessageBox.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

namespace hostkit {

std::string SettingsPath() {
  return qcom::Registry::DefaultFolder() + "/settings.xml";
}

UnitSystem DefaultUnitSystem() {
  const std::string path = SettingsPath();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return UnitSystem::kSI;
  auto document = qxml::CreateDocument();
  VARIANT_BOOL loaded = VARIANT_FALSE;
  if (FAILED(document->load(qcom::Variant(path).raw(), &loaded)) || !loaded) {
    platform::ShowMessage("The settings file " + path +
                          " cannot be read; values are shown in SI units");
    return UnitSystem::kSI;
  }
  auto node = qxml::FirstMatch(document.get(), "Settings/UnitSystem");
  const std::string name = node ? qcom::text::Trim(qxml::TextOf(node.get())) : "SI";
  if (qcom::text::EqualsNoCase(name, "US")) return UnitSystem::kUS;
  if (!qcom::text::EqualsNoCase(name, "SI"))
    platform::ShowMessage("The settings file " + path + " names the unit system '" + name +
                          "'; known are SI and US. Values are shown in SI units");
  return UnitSystem::kSI;
}

}  // namespace hostkit
