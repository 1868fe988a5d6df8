#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/commands/ParameterAssignment.h"
#include "host/session/ComponentSession.h"
#include "host/session/PlacedObject.h"
#include "host/session/ProjectFile.h"

// How set and import change an object's parameters: the object checks and
// stores each value as its edit dialog would (in the canonical form of a
// number); the object is then saved and loaded into a fresh one, from which
// each value must read back, and which must still build its configuration
// stream.
namespace host {

// The unit system --units names (si or us, any letter case): kUnitsSI or
// kUnitsUS; nothing for another word.
std::optional<LONG> UnitSystemNamed(const std::string& name);

class ObjectEdit {
 public:
  // command names the notes and refusals ("tqhost COMMAND: ..."); values are
  // given in the unit system `units`; force writes values the check refuses,
  // with a note for each.
  ObjectEdit(const ComponentSession& session, LONG units, std::string command, bool force);

  // The object of the project's index-th (0-based) entry with the values set,
  // and its new stream. Null when a value is refused (the refusal is kept, see
  // refusals(), and error stays empty) or when the object cannot be loaded,
  // lacks a parameter or builds no stream (error set to one line).
  std::unique_ptr<PlacedObject> Apply(const ProjectFile& project, size_t index,
                                      const std::string& path,
                                      const std::vector<ParameterAssignment>& assignments,
                                      std::string& stream, std::string& error);

  // Whether setting the value would leave the parameter as it is: the value
  // is the current one as typed or as the object would store it (a member's
  // name as its code, a number in the catalogue's unit). False with error set
  // when the object cannot check it.
  bool Unchanged(IEngineering* engineering, const std::string& path, const std::string& current,
                 const std::string& value, std::string& error) const;

  // Every refusal so far, one line each, naming the object, the value and why.
  const std::vector<std::string>& refusals() const { return refusals_; }

 private:
  const ComponentSession& session_;
  LONG units_;
  std::string command_;
  bool force_;
  std::vector<std::string> refusals_;
};

}  // namespace host
