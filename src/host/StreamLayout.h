#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/ComponentSession.h"
#include "host/PlacedObject.h"

// The configuration stream of a loaded object taken apart field by field, as
// the host can know it: the object's parameters, inputs and saved modules,
// the module templates and the SNVT catalogue tell which fields the block
// holds and how wide each is; the stream the object built gives their bytes,
// which are read back as the controller reads them.
namespace host {

struct StreamField {
  std::string row;       // the block's part: "header", "counts", "device", "inputs", "AI", ...
  std::string name;      // what it encodes: a parameter ("EB1/AI/2/range"), a count, a sum
  std::string stored;    // the value as stored, with its unit
  size_t offset = 0;     // of its first byte in the block
  std::string hex;       // its bytes; empty when its encoding failed
  std::string readBack;  // what the controller reads from the bytes, with the unit
  // Why the field deserves a look; empty when it reads back as stored.
  std::string flag;
};

struct StreamExplanation {
  std::string stream;  // as the object built it; empty when it built none
  std::vector<StreamField> fields;
  size_t promisedBytes = 0;  // what the fields' types promise, failed ones included
  // Why the stream and the fields do not line up; empty when they do.
  std::string mismatch;
};

// A parameter's SNVT type as the stream encodes it.
struct StreamType {
  bool known = false;  // false when the catalogue lacks the type
  std::string name;    // e.g. SNVT_time_sec
  std::string kind;    // the TYPE text
  int32_t length = 0;
  int16_t a = 1, b = 0, c = 0;
  std::string unit;
  std::map<std::string, std::string> members;  // an enumeration's codes and names
};

class StreamExplainer {
 public:
  explicit StreamExplainer(const ComponentSession& session) : session_(session) {}

  // Builds the fields of the object's stream and splits its stream among
  // them; saved is the object's saved element (PlacedObject::SavedElement).
  StreamExplanation Explain(const PlacedObject& object, IXMLDOMElement* saved);

  // The type of SNVT number id, read once per session.
  const StreamType& Type(const std::string& id);
  // The SNVT number of a channel parameter of a saved element (see
  // ChannelParameterSnvtId), looked up once per template, kind and name.
  const std::string& ChannelSnvtId(IXMLDOMElement* parameter, const std::string& kind);

 private:
  const ComponentSession& session_;
  std::map<std::string, StreamType> types_;
  std::map<std::string, std::string> channelSnvtIds_;
};

}  // namespace host
