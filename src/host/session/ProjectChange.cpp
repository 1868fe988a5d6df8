#include "host/session/ProjectChange.h"

#include "faces/Engineering.h"
#include "host/session/LockedProject.h"

namespace host {

bool ProjectChange::Open(const Arguments& args, std::string& error) {
  if (!lock_.Acquire(path_, error) || !project_.Read(path_, error)) return false;
  if (project_.bare()) {
    error = path_ +
            " is a saved object element, not a project; write it as one first with "
            "tqhost save " +
            path_ + " -o PROJECT";
    return false;
  }
  return session_.Open(args, error);
}

bool ProjectChange::Holds(size_t number, std::string& error) const {
  return HoldsObject(path_, project_, number, error);
}

std::unique_ptr<PlacedObject> ProjectChange::Load(size_t index, std::string& error) const {
  return LoadProjectObject(session_, project_, index, path_, error);
}

bool ProjectChange::Keep(size_t index, const PlacedObject& object, std::string& error) {
  if (object.Stream().empty()) {
    error = Label(index) + ": no configuration stream; " + path_ + " is unchanged";
    return false;
  }
  project_.Replace(index, object);
  return true;
}

std::optional<size_t> RequiredObjectNumber(const Arguments& args, std::string& error) {
  auto option = args.value("--object");
  if (!option) {
    error = "missing --object N";
    return std::nullopt;
  }
  auto number = ParseObjectNumber(*option);
  if (!number) error = "--object takes a number from 1, not " + *option;
  return number;
}

qcom::ComPtr<IEngineering> EngineeringOf(const PlacedObject& object) {
  return qcom::QueryAs<IEngineering>(object.get());
}

}  // namespace host
