#pragma once

#include <string>
#include <vector>

#include "host/ComponentSession.h"
#include "host/PlacedObject.h"
#include "host/StreamLayout.h"

namespace host {

// One parameter of a loaded object as tqhost names it: a device parameter by
// its name, a channel parameter as EB1/AI/2/name.
struct ObjectParameter {
  std::string path;
  std::string value;
  std::string snvtId;  // empty when neither the object nor the template gives one
};

// The device parameters in collection order, then the channel parameters of
// every module in set order (channels by kind AI, AO, DI, DO); saved is the
// object's saved element (PlacedObject::SavedElement); the explainer looks
// the channel parameters' SNVT numbers up.
std::vector<ObjectParameter> ObjectParameters(StreamExplainer& explainer,
                                              const PlacedObject& object, IXMLDOMElement* saved);

}  // namespace host
