#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/ComponentSession.h"
#include "host/ParameterAssignment.h"
#include "host/PlacedObject.h"
#include "host/ProjectFile.h"
#include "host/ValueChecker.h"

// How set and import change an object's parameters: each value checked by its
// parameter's type first, device parameters set on the loaded object and
// channel parameters in its saved element, which a fresh object then loads;
// each value is read back from that object, and the object must still build
// its configuration stream.
namespace host {

class ObjectEdit {
 public:
  // command names the notes and refusals ("tqhost COMMAND: ..."); force writes
  // values the check refuses, with a note for each.
  ObjectEdit(const ComponentSession& session, ValueChecker& checker, std::string command,
             bool force);

  // The object of the project's index-th (0-based) entry with the values set,
  // and its new stream. Null when a value is refused (the refusal is kept, see
  // refusals(), and error stays empty) or when the object cannot be loaded,
  // lacks a parameter or builds no stream (error set to one line).
  std::unique_ptr<PlacedObject> Apply(const ProjectFile& project, size_t index,
                                      const std::string& path,
                                      const std::vector<ParameterAssignment>& assignments,
                                      std::string& stream, std::string& error);

  // Every refusal so far, one line each, naming the object, the value and why.
  const std::vector<std::string>& refusals() const { return refusals_; }

 private:
  const ComponentSession& session_;
  ValueChecker& checker_;
  std::string command_;
  bool force_;
  std::vector<std::string> refusals_;
};

}  // namespace host
