#pragma once

#include <optional>
#include <string>

#include "com/Variant.h"
#include "faces/Engineering.h"
#include "host/commands/Arguments.h"
#include "host/session/ComponentSession.h"
#include "host/session/PlacedObject.h"
#include "host/session/ProjectFile.h"
#include "host/session/ProjectLock.h"

namespace host {

// What a command that changes a project's structure holds from before it
// reads the file until the file is replaced: the lock, the project as read
// and the session with the component.
class ProjectChange {
 public:
  ProjectChange(std::string command, std::string path, double wait)
      : command_(std::move(command)), path_(std::move(path)), lock_(command_, wait) {}

  // Locks and reads the project and opens the session. False, with error set
  // to one line, when the file cannot be locked or read, is a bare saved
  // element (which holds one object and no bindings) or the session fails.
  bool Open(const Arguments& args, std::string& error);
  // Whether the project holds object `number` (from 1); false with error set.
  bool Holds(size_t number, std::string& error) const;
  // Opens object i as every command does (its bindings applied); null with
  // error set when it cannot be loaded without losing a part of it.
  std::unique_ptr<PlacedObject> Load(size_t index, std::string& error) const;
  // The object's stream, read before it is saved so that its element keeps
  // it; false with error set when the object builds none.
  bool Keep(size_t index, const PlacedObject& object, std::string& error);
  // Writes the project back, replaced whole.
  bool Write(std::string& error) { return project_.Write(path_, error); }

  ProjectFile& project() { return project_; }
  const ComponentSession& session() const { return session_; }
  const std::string& path() const { return path_; }
  // "FILE: object N (TYPE)".
  std::string Label(size_t index) const { return ObjectLabel(path_, project_, index); }

 private:
  std::string command_, path_;
  ProjectLock lock_;
  ProjectFile project_;
  ComponentSession session_;
};

// The --object option of the commands that act on one object: its number
// from 1; nullopt with error set when it is missing or no number.
std::optional<size_t> RequiredObjectNumber(const Arguments& args, std::string& error);

// The IEngineering interface of a placed object; null when it has none.
qcom::ComPtr<IEngineering> EngineeringOf(const PlacedObject& object);

// The item of an engineering answer's list, as interface I; null when the
// list has no such item or it is not an I.
template <class I>
qcom::ComPtr<I> ItemAs(IEngineeringList* list, const qcom::Variant& key) {
  qcom::Variant item;
  if (list) list->get_Item(key.raw(), item.out());
  return item.type() == VT_DISPATCH ? qcom::QueryAs<I>(item.raw().pdispVal) : nullptr;
}

}  // namespace host
