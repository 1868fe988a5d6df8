#include "plugin/ClassTable.h"

#include "modules/CDBMapTypMod.h"
#include "plugin/CDBAppObject.h"
#include "plugin/ClassIds.h"
#include "modules/ComponentLocation.h"

namespace plugin {

namespace {
template <class T>
qcom::ComPtr<IClassFactory> FactoryOf() {
  return qcom::Make<qcom::ClassFactory<T>>();
}

const ClassInfo kClasses[] = {
    {"CDBAppObject", ids::kCDBAppObject, &FactoryOf<CDBAppObject>},
    {"CDBMapTypMod", ids::kCDBMapTypMod, &FactoryOf<CDBMapTypMod>},
};
}  // namespace

std::span<const ClassInfo> Classes() { return kClasses; }

std::string ProgIdOf(const ClassInfo& info) {
  std::string module = modules::ComponentModuleName();
  if (&info.clsid == &ids::kCDBAppObject) return module + ".CAppObject";
  return module + "." + info.name;
}

}  // namespace plugin
