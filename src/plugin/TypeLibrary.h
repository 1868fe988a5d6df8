#pragma once

#include "com/Bstr.h"
#include "com/Unknown.h"

// The component's own interfaces that a host may call besides the host
// interfaces: what the type library O_TQ4600_ID publishes.

// Default interface of CDBAppObject.
struct _CDBAppObject : IDispatch {
  QCOM_IDENTITY(IDispatch, "1AB695F3-ED47-47EC-A116-85DC5DB3BD6F");
  // Init without creating the module catalogue and set.
  virtual HRESULT StringID(BSTR stringId, VARIANT_BOOL* ok) = 0;
  virtual HRESULT get_MapTypMod(BSTR* tag) = 0;

 protected:
  ~_CDBAppObject() = default;
};
