#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/ComponentSession.h"
#include "host/PlacedObject.h"
#include "xml/Elements.h"

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

// One channel of a saved module element: its kind, its parameter elements in
// definition order with their names and texts, its device-wide channel number and its
// position among the module's channels of its kind.
struct SavedChannel {
  std::string kind;
  std::vector<qxml::ElementPtr> parameters;
  std::vector<std::string> names;
  std::vector<std::string> texts;
  int32_t number = 0;
  int32_t position = 0;
  bool counts = false;
};

struct SavedModule {
  std::string templateId;
  std::string elementName;  // with its prefix, if any
  int32_t slot = 0;
  std::vector<SavedChannel> channels;
};

// The modules of the object's saved element in set order: module k sits in
// slot k, and its channels are numbered from 8 per slot in the order AI, AO,
// DI, DO.
std::vector<SavedModule> SavedModules(const ComponentSession& session, IXMLDOMElement* saved);

class StreamExplainer {
 public:
  explicit StreamExplainer(const ComponentSession& session) : session_(session) {}

  // Builds the fields of the object's stream and splits its stream among
  // them; saved is the object's saved element (PlacedObject::SavedElement).
  StreamExplanation Explain(const PlacedObject& object, IXMLDOMElement* saved);

  // The type of SNVT number id, read once per session.
  const StreamType& Type(const std::string& id);
  // The SNVT number of the i-th parameter of a saved channel (see
  // ChannelParameterSnvtId), looked up once per template, kind and name.
  const std::string& ChannelSnvtId(const SavedModule& module, const SavedChannel& channel,
                                   size_t i);
  // SavedModules of the saved element, kept for the element last asked about:
  // the commands ask for one object's modules more than once.
  const std::vector<SavedModule>& ModulesOf(IXMLDOMElement* saved);

 private:
  const ComponentSession& session_;
  std::map<std::string, StreamType> types_;
  std::map<std::string, std::string> channelSnvtIds_;
  qxml::ElementPtr modulesElement_;
  uint64_t modulesStamp_ = 0;
  std::vector<SavedModule> modules_;
};

}  // namespace host
