#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "com/Unknown.h"

// The component's own interfaces that a host may call besides the host
// interfaces: what the type library O_TQ4600_ID publishes.

// Default interface of CDBAppObject. StringID is Init without creating the
// module catalogue and set.
#define TQ_CDBAPPOBJECT(GET, PUT, CALL, FUNC)     \
  FUNC(StringID, BSTR stringId, VARIANT_BOOL* ok) \
  GET(MapTypMod, BSTR* tag)
struct _CDBAppObject : IDispatch {
  QCOM_IDENTITY(IDispatch, "1AB695F3-ED47-47EC-A116-85DC5DB3BD6F");
  QCOM_MEMBERS(TQ_CDBAPPOBJECT)

 protected:
  ~_CDBAppObject() = default;
};
