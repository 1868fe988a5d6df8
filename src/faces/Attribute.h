#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "com/Variant.h"
#include "faces/Callback.h"
#include "faces/SnvType.h"

namespace qcom {

// One configuration parameter as the host sees it.
#define QORDB_IATTRIBUTE(GET, PUT, CALL, FUNC) \
  GET(Parent, IDispatch** appObject)           \
  GET(Visible, VARIANT_BOOL* visible)          \
  CALL(SetValue)                               \
  GET(IsUnit, VARIANT_BOOL* is)                \
  GET(Description, BSTR* text)                 \
  GET(Value, BSTR* value)                      \
  GET(DispValue, BSTR* text)                   \
  GET(DispMin, BSTR* text)                     \
  GET(DispMax, BSTR* text)                     \
  GET(DispDefault, BSTR* text)                 \
  PUT(Value, BSTR value)                       \
  GET(Name, BSTR* name)                        \
  GET(NodeType, LONG* type)                    \
  GET(GlobalKey, BSTR* key)                    \
  GET(SNVTType, ISNVType** type)               \
  CALL(BackToDefault)                          \
  GET(DefaultValue, BSTR* value)               \
  GET(Tag, BSTR* tag)                          \
  PUT(Tag, BSTR tag)                           \
  GET(Fields, IDispatch** fields)              \
  PUT(CallBack, IcbkAppObject* sink)           \
  GET(CDBPosition, LONG* position)             \
  GET(ToolOnly, VARIANT_BOOL* only)            \
  GET(IsDeviceDependent, VARIANT_BOOL* is)     \
  GET(IsUnitDependent, VARIANT_BOOL* is)       \
  GET(DeviceKey, BSTR* key)                    \
  GET(IsKeepFloatStandard, VARIANT_BOOL* is)   \
  GET(DividedBy, LONG* divisor)                \
  GET(IsType, VARIANT_BOOL* is)                \
  GET(Min, BSTR* min)                          \
  GET(Max, BSTR* max)                          \
  GET(ExtendedKey, BSTR* key)                  \
  GET(IsMacroConnected, VARIANT_BOOL* connected)
struct IAttribute : IDispatch {
  QCOM_IDENTITY(IDispatch, "AF6A53CF-6FDD-48C5-93A8-7005CE1A984B");
  QCOM_MEMBERS(QORDB_IATTRIBUTE)

 protected:
  ~IAttribute() = default;
};

// The parameters of one owner, 1-based, keyed by name (case-insensitive).
#define QORDB_IATTRIBUTES(GET, PUT, CALL, FUNC)                                    \
  GET(Count, LONG* count)                                                          \
  /* By name first, else the key read as a 1-based position; null when neither. */ \
  GET(Item, VARIANT key, IAttribute** item)                                        \
  GET(_NewEnum, IUnknown** enumerator)                                             \
  GET(GlobalKey, BSTR* key)                                                        \
  GET(ExtendedKey, BSTR* key)
struct IAttributes : IDispatch {
  QCOM_IDENTITY(IDispatch, "9E917D56-493C-4302-B173-079A5D7731D7");
  QCOM_MEMBERS(QORDB_IATTRIBUTES)

 protected:
  ~IAttributes() = default;
};

}  // namespace qcom
