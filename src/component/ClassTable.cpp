#include "component/ClassTable.h"

#include "component/ClassIds.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "modules/CDBEBModule.h"
#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "modules/CDBMapTypMod.h"
#include "modules/ComponentLocation.h"
#include "plugin/CDBAppObject.h"
#include "points/CDBCompatibleSNVT.h"
#include "points/CDBCompatibleSNVTs.h"
#include "points/CDBInput.h"
#include "points/CDBInputs.h"
#include "points/CDBOutput.h"
#include "points/CDBOutputs.h"
#include "values/CDBAttribute.h"
#include "values/CDBAttributes.h"
#include "values/CDBSNVTType.h"

namespace component {

namespace {
template <class T>
qcom::ComPtr<IClassFactory> FactoryOf() {
  return qcom::Make<qcom::ClassFactory<T>>();
}

const ClassInfo kClasses[] = {
    {"CDBAppObject", ids::kCDBAppObject, &FactoryOf<CDBAppObject>},
    {"CDBInputs", ids::kCDBInputs, &FactoryOf<CDBInputs>},
    {"CDBInput", ids::kCDBInput, &FactoryOf<CDBInput>},
    {"CDBOutputs", ids::kCDBOutputs, &FactoryOf<CDBOutputs>},
    {"CDBOutput", ids::kCDBOutput, &FactoryOf<CDBOutput>},
    {"CDBSNVTType", ids::kCDBSNVTType, &FactoryOf<CDBSNVTType>},
    {"CDBCompatibleSNVT", ids::kCDBCompatibleSNVT, &FactoryOf<CDBCompatibleSNVT>},
    {"CDBCompatibleSNVTs", ids::kCDBCompatibleSNVTs, &FactoryOf<CDBCompatibleSNVTs>},
    {"CDBAttribute", ids::kCDBAttribute, &FactoryOf<CDBAttribute>},
    {"CDBAttributes", ids::kCDBAttributes, &FactoryOf<CDBAttributes>},
    {"CDBEBModule", ids::kCDBEBModule, &FactoryOf<CDBEBModule>},
    {"CDBEBModules", ids::kCDBEBModules, &FactoryOf<CDBEBModules>},
    {"CDBEBTemplates", ids::kCDBEBTemplates, &FactoryOf<CDBEBTemplates>},
    {"CDBAI", ids::kCDBAI, &FactoryOf<CDBAI>},
    {"CDBAIs", ids::kCDBAIs, &FactoryOf<CDBAIs>},
    {"CDBAO", ids::kCDBAO, &FactoryOf<CDBAO>},
    {"CDBAOs", ids::kCDBAOs, &FactoryOf<CDBAOs>},
    {"CDBDI", ids::kCDBDI, &FactoryOf<CDBDI>},
    {"CDBDIs", ids::kCDBDIs, &FactoryOf<CDBDIs>},
    {"CDBDO", ids::kCDBDO, &FactoryOf<CDBDO>},
    {"CDBDOs", ids::kCDBDOs, &FactoryOf<CDBDOs>},
    {"CDBMapTypMod", ids::kCDBMapTypMod, &FactoryOf<CDBMapTypMod>},
};
}  // namespace

std::span<const ClassInfo> Classes() {
  return kClasses;
}

std::string ProgIdOf(const ClassInfo& info) {
  std::string module = modules::ComponentModuleName();
  if (&info.clsid == &ids::kCDBAppObject) return module + ".CAppObject";
  return module + "." + info.name;
}

}  // namespace component
