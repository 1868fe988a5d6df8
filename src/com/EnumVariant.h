#pragma once

#include <vector>

#include "com/Api.h"
#include "com/ComPtr.h"
#include "com/Variant.h"

namespace qcom {

// The enumerator behind every collection's NewEnum.
struct IEnumVARIANT : IUnknown {
  QCOM_IDENTITY(IUnknown, "00020404-0000-0000-C000-000000000046");
  // Copies up to count items into items; S_FALSE when fewer were left.
  virtual HRESULT Next(ULONG count, VARIANT* items, ULONG* fetched) = 0;
  virtual HRESULT Skip(ULONG count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumVARIANT** copy) = 0;

 protected:
  ~IEnumVARIANT() = default;
};

// An enumerator over a snapshot of the items, taken when NewEnum is read.
QCOM_API ComPtr<IEnumVARIANT> MakeVariantEnumerator(std::vector<Variant> items);

}  // namespace qcom
