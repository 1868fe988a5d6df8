#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "faces/Attribute.h"
#include "host/ComponentSession.h"
#include "xml/DomInterfaces.h"
#include "xml/Elements.h"

// A parameter's SNVT type as the host finds it: the SNVT number from the
// object or the module template, the description from the host's own
// catalogue, which it hands to the object and the unit service as well, so
// the three read one description. The type's kind picks the parameter's edit
// dialog and holds what that dialog checks a value against.
namespace host {

struct ParameterType {
  struct Member {
    std::string name;  // e.g. HZ_60
    std::string code;  // its value, e.g. 1
  };
  std::string id;               // the SNVT number
  std::string name;             // e.g. TQ_line_freq
  std::string kind;             // the TYPE text: "Float", "Enum", "Textual", "Bitfield", ...
  int32_t length = 0;           // bytes
  std::string unit;             // the catalogue's unit, e.g. sec; empty when it names none
  std::string min, max;         // the catalogue's limits, as it writes them
  std::vector<Member> members;  // an enumeration's, in catalogue order
};

// The catalogue's entry SNVT_<id>; nothing when the catalogue lacks it (the
// object then has no type for the parameter, and no dialog edits it).
std::optional<ParameterType> ReadParameterType(IXMLDOMDocument* catalogue, const std::string& id);

// The first element child of a node with that name, letter case aside, as
// the object reads its definition files; null when there is none.
qxml::ElementPtr ChildNamed(IXMLDOMNode* node, const std::string& name);

// An element's text as the object reads it; empty when there is no element.
std::string TextIn(IXMLDOMNode* element);

// The SNVT number of a device parameter, as the object typed it.
std::string DeviceParameterSnvtId(IAttribute* parameter);

// The SNVT number of a channel parameter's element in an object's saved
// element. The object keeps its channels' types to itself; the host finds
// the number where the object found it, in the template of the module (the
// module element is named after it): KIND/Attributes/NAME/SNVTTYPE, names in
// any letter case. Empty when the template gives none.
std::string ChannelParameterSnvtId(const ComponentSession& session, IXMLDOMElement* parameter,
                                   const std::string& kind);

}  // namespace host
