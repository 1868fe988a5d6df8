#pragma once

#include <array>
#include <string>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/AppObject.h"
#include "modules/CDBEBModule.h"
#include "values/KeyedCollection.h"

// Default interface of CDBEBModules.
#define TQ_CDBEBMODULES(GET, PUT, CALL, FUNC) GET(_NewEnum, IUnknown** enumerator)
struct _CDBEBModules : IDispatch {
  QCOM_IDENTITY(IDispatch, "371E99A9-BE3A-4D4F-86AB-24897412844D");
  QCOM_MEMBERS(TQ_CDBEBMODULES)

 protected:
  ~_CDBEBModules() = default;
};

// The modules placed in the extension, in slot order. Modules are added along
// the configuration tree and removed last first.
class CDBEBModules final : public qcom::ComObject<_CDBEBModules> {
 public:
  void SetAppObject(IAppObject* appObject);
  size_t Count() const { return modules_.Count(); }
  qcom::ComPtr<CDBEBModule> Item(std::string_view key) const { return modules_.Item(key); }
  const values::KeyedCollection<CDBEBModule>& Modules() const { return modules_; }
  // Places a module made from a catalogue template; null when nothing was added.
  qcom::ComPtr<CDBEBModule> AddModule(CDBEBModule* templateEntry);
  // Removes a placed module (the last one); refused while it has connections.
  void RemoveModule(CDBEBModule* module);

  HRESULT get__NewEnum(IUnknown** enumerator) override;

 private:
  void EnableRemoveCommands() const;

  values::KeyedCollection<CDBEBModule> modules_;
  int32_t moduleCounter_ = 0;
  std::array<int32_t, 3> slotTotals_{};
  qcom::WeakRef<IAppObject> appObject_;
};
