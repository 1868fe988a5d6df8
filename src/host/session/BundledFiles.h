#pragma once

#include <string>

// The plug-ins and the SNVT catalogue that ship with tqhost, found from the
// folder of the running executable: in the installed layout first (bin/ beside
// lib/tq4600/plugins and share/tq4600/snvt), else in the build tree's (bin/
// beside plugins/ and snvt/). Nothing names the prefix, so one install works
// under any prefix and as a moved copy.
namespace host {

// The bundled plug-in folder.
std::string BundledPluginsFolder();

// The bundled SNVT catalogue.
std::string BundledCatalogue();

}  // namespace host
