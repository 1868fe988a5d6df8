#pragma once

#include <string>

#include "hostkit/UnitSystem.h"

namespace hostkit {

// The settings file of the tool family: settings.xml in the user's
// configuration folder, beside the registry file.
std::string SettingsPath();

// The unit system the settings file chooses (<Settings><UnitSystem>US</UnitSystem>),
// SI when there is no file or it names none. A file that cannot be read or
// names an unknown system is reported in a message and SI is used.
UnitSystem DefaultUnitSystem();

}  // namespace hostkit
