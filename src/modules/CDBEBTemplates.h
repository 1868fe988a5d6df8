#pragma once

#include <string>

#include "com/ComObject.h"
#include "com/Members.h"
#include "modules/CDBEBModule.h"
#include "values/KeyedCollection.h"

// Default interface of CDBEBTemplates.
#define TQ_CDBEBTEMPLATES(GET, PUT, CALL, FUNC) \
  GET(Count, LONG* count)                       \
  GET(Item, VARIANT key, IDispatch** module)    \
  GET(_NewEnum, IUnknown** enumerator)
struct _CDBEBTemplates : IDispatch {
  QCOM_IDENTITY(IDispatch, "CF18FCE6-B9D6-409E-B717-0C9BB6B9743E");
  QCOM_MEMBERS(TQ_CDBEBTEMPLATES)

 protected:
  ~_CDBEBTemplates() = default;
};

// The catalogue of module kinds: one template per folder next to the
// component, keyed by the folder's name in any letter case. Made by an
// application object or by its class factory, it reads every template
// folder of the component's folder as it is created.
class CDBEBTemplates final : public qcom::ComObject<_CDBEBTemplates> {
 public:
  CDBEBTemplates();
  void ClearAddable();
  size_t Count() const { return items_.Count(); }
  qcom::ComPtr<CDBEBModule> Item(std::string_view key) const { return items_.Item(key); }
  const values::KeyedCollection<CDBEBModule>& Items() const { return items_; }

  HRESULT get_Count(LONG* count) override;
  HRESULT get_Item(VARIANT key, IDispatch** module) override;
  HRESULT get__NewEnum(IUnknown** enumerator) override;

 private:
  void Build();

  values::KeyedCollection<CDBEBModule> items_;
};
