#pragma once

#include "com/Bstr.h"
#include "com/Members.h"

namespace qcom {

#define QORDB_ICOMPATIBLESNVT(GET, PUT, CALL, FUNC) GET(ID, BSTR* id)
struct ICompatibleSNVT : IDispatch {
  QCOM_IDENTITY(IDispatch, "60370125-9478-4C40-B1D1-B91DA3D4448C");
  QCOM_MEMBERS(QORDB_ICOMPATIBLESNVT)

 protected:
  ~ICompatibleSNVT() = default;
};

// The network variable types an input accepts, in order, keyed by number.
#define QORDB_ICOMPATIBLESNVTS(GET, PUT, CALL, FUNC) \
  GET(Count, LONG* count)                            \
  GET(Item, LONG index, ICompatibleSNVT** item)      \
  GET(_NewEnum, IUnknown** enumerator)               \
  /* Adds the numbers of a ","-separated list. */    \
  CALL(Add, BSTR ids)                                \
  CALL(Remove, BSTR id)                              \
  GET(ToString, BSTR* text)                          \
  GET(Exists, BSTR id, VARIANT_BOOL* exists)         \
  GET(Merge, ICompatibleSNVTs* other, ICompatibleSNVTs** merged)
struct ICompatibleSNVTs : IDispatch {
  QCOM_IDENTITY(IDispatch, "CAD028D9-0793-40A4-B8F9-8D0CC1B04EAE");
  QCOM_MEMBERS(QORDB_ICOMPATIBLESNVTS)

 protected:
  ~ICompatibleSNVTs() = default;
};

#define QORDB_ICLONABLE(GET, PUT, CALL, FUNC) FUNC(Clone, IDispatch** copy)
struct IClonable : IDispatch {
  QCOM_IDENTITY(IDispatch, "95D18D01-E51E-4C53-ABF5-14126C205C9E");
  QCOM_MEMBERS(QORDB_ICLONABLE)

 protected:
  ~IClonable() = default;
};

}  // namespace qcom
