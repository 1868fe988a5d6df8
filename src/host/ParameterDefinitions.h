#pragma once

#include <optional>
#include <string>
#include <vector>

#include "faces/AppObject.h"
#include "host/ComponentSession.h"
#include "host/ParameterType.h"

// The parameters an object type defines, as the host lists them: the device
// parameters the object shows through its attributes, and the channel
// parameters of each module template, which the object keeps to itself and
// the host reads where the object reads them, in the template files.
namespace host {

struct ParameterDefinition {
  std::string name;          // as the definition spells it
  std::string snvtId;        // the SNVT number
  std::string defaultValue;  // as the object stores it
  // A number's limits: the definition's own, else its type's; empty for other kinds.
  std::string min, max;
  std::optional<ParameterType> type;  // nothing when the catalogue lacks the SNVT type
};

// The channels of one kind a module template defines.
struct ChannelDefinition {
  std::string kind;  // "AI", "AO", "DI" or "DO"
  int count = 0;     // how many channels of the kind the module has
  std::vector<ParameterDefinition> parameters;
};

struct ModuleTemplate {
  std::string id;  // the folder and file name, e.g. EB4AI2AO
  std::string name;
  std::string description;
  std::vector<ChannelDefinition> channels;  // in template order
};

// The channel kinds a module may have, in the order the stream and the
// configuration tree's type tags list them.
inline constexpr const char* kChannelKinds[] = {"AI", "AO", "DI", "DO"};

// The device parameters of a placed object, in the object's order.
std::vector<ParameterDefinition> DeviceParameters(IAppObject* object, IXMLDOMDocument* catalogue);

// The module template of that ID (any letter case); nothing when the session
// has no such template or cannot read it.
std::optional<ModuleTemplate> ReadModuleTemplate(const ComponentSession& session,
                                                 const std::string& templateId);

// The parameter of that name (any letter case) among the definitions; null when none.
const ParameterDefinition* FindDefinition(const std::vector<ParameterDefinition>& definitions,
                                          const std::string& name);

}  // namespace host
