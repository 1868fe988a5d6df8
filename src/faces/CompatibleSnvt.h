#pragma once

#include "com/Bstr.h"
#include "com/Unknown.h"

struct ICompatibleSNVT : IDispatch {
  QCOM_IDENTITY(IDispatch, "60370125-9478-4C40-B1D1-B91DA3D4448C");
  virtual HRESULT get_ID(BSTR* id) = 0;

 protected:
  ~ICompatibleSNVT() = default;
};

// The network variable types an input accepts, in order, keyed by number.
struct ICompatibleSNVTs : IDispatch {
  QCOM_IDENTITY(IDispatch, "CAD028D9-0793-40A4-B8F9-8D0CC1B04EAE");
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get_Item(LONG index, ICompatibleSNVT** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  // Adds the numbers of a ","-separated list.
  virtual HRESULT Add(BSTR ids) = 0;
  virtual HRESULT Remove(BSTR id) = 0;
  virtual HRESULT get_ToString(BSTR* text) = 0;
  virtual HRESULT get_Exists(BSTR id, VARIANT_BOOL* exists) = 0;
  virtual HRESULT get_Merge(ICompatibleSNVTs* other, ICompatibleSNVTs** merged) = 0;

 protected:
  ~ICompatibleSNVTs() = default;
};

struct IClonable : IDispatch {
  QCOM_IDENTITY(IDispatch, "95D18D01-E51E-4C53-ABF5-14126C205C9E");
  virtual HRESULT Clone(IDispatch** copy) = 0;

 protected:
  ~IClonable() = default;
};
