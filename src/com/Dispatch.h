#pragma once

#include "com/Bstr.h"
#include "com/Types.h"

namespace qcom {

// What a late-bound call carries besides the member's DISPID.

struct VARIANT;

// The arguments of an Invoke, last argument first; named arguments come first
// in rgvarg, their DISPIDs in rgdispidNamedArgs.
struct DISPPARAMS {
  VARIANT* rgvarg;
  DISPID* rgdispidNamedArgs;
  unsigned cArgs;
  unsigned cNamedArgs;
};

// Filled by a member that reports its failure as an exception; the members of
// this system return their HRESULT instead and leave it alone.
struct EXCEPINFO {
  WORD wCode;
  WORD wReserved;
  BSTR bstrSource;
  BSTR bstrDescription;
  BSTR bstrHelpFile;
  DWORD dwHelpContext;
  void* pvReserved;
  HRESULT (*pfnDeferredFillIn)(EXCEPINFO*);
  HRESULT scode;
};

// How a member is invoked; a scripting client reading "x.Name" or "x(1)" sends
// DISPATCH_METHOD | DISPATCH_PROPERTYGET.
constexpr WORD DISPATCH_METHOD = 0x1;
constexpr WORD DISPATCH_PROPERTYGET = 0x2;
constexpr WORD DISPATCH_PROPERTYPUT = 0x4;
constexpr WORD DISPATCH_PROPERTYPUTREF = 0x8;

// The default member (a collection's Item), the enumerator, the named argument
// that carries the value of a property put, and the answer for an unknown name.
constexpr DISPID DISPID_VALUE = 0;
constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_PROPERTYPUT = -3;
constexpr DISPID DISPID_NEWENUM = -4;

}  // namespace qcom
