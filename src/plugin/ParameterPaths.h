#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "modules/CDBEBModules.h"
#include "values/CDBAttributes.h"

// The names an engineer gives the parameters of a placed object: a device
// parameter by its name ("Priority"), a channel parameter as the module's key,
// the channel kind, the channel's position among the module's channels of
// that kind and the parameter's name ("EB1/AI/2/sensortype").
namespace plugin {

struct PlacedParameter {
  std::string path;
  std::string channelKind;  // empty for a device parameter
  CDBAttribute* parameter = nullptr;
};

// The device parameters in collection order, then the channel parameters of
// every module in set order, kinds AI, AO, DI, DO, channels and parameters in
// order.
std::vector<PlacedParameter> PlacedParameters(const CDBAttributes* device,
                                              const CDBEBModules* modules);

// The parameter a path names ("\" may stand for "/", names and kinds in any
// letter case, "EB01" is "EB1"), with the path as the object spells it. Null
// parameter, and problem set to one line naming what there is, when the path
// names none.
PlacedParameter FindParameter(const CDBAttributes* device, const CDBEBModules* modules,
                              std::string_view path, std::string& problem);

}  // namespace plugin
