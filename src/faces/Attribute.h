#pragma once

#include "com/Bstr.h"
#include "com/Variant.h"
#include "faces/Callback.h"
#include "faces/SnvType.h"

// One configuration parameter as the host sees it.
struct IAttribute : IDispatch {
  QCOM_IDENTITY(IDispatch, "AF6A53CF-6FDD-48C5-93A8-7005CE1A984B");
  virtual HRESULT get_Parent(IDispatch** appObject) = 0;
  virtual HRESULT get_Visible(VARIANT_BOOL* visible) = 0;
  virtual HRESULT SetValue() = 0;
  virtual HRESULT get_IsUnit(VARIANT_BOOL* is) = 0;
  virtual HRESULT get_Description(BSTR* text) = 0;
  virtual HRESULT get_Value(BSTR* value) = 0;
  virtual HRESULT get_DispValue(BSTR* text) = 0;
  virtual HRESULT get_DispMin(BSTR* text) = 0;
  virtual HRESULT get_DispMax(BSTR* text) = 0;
  virtual HRESULT get_DispDefault(BSTR* text) = 0;
  virtual HRESULT put_Value(BSTR value) = 0;
  virtual HRESULT get_Name(BSTR* name) = 0;
  virtual HRESULT get_NodeType(LONG* type) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT get_SNVTType(ISNVType** type) = 0;
  virtual HRESULT BackToDefault() = 0;
  virtual HRESULT get_DefaultValue(BSTR* value) = 0;
  virtual HRESULT get_Tag(BSTR* tag) = 0;
  virtual HRESULT put_Tag(BSTR tag) = 0;
  virtual HRESULT get_Fields(IDispatch** fields) = 0;
  virtual HRESULT put_CallBack(IcbkAppObject* sink) = 0;
  virtual HRESULT get_CDBPosition(LONG* position) = 0;
  virtual HRESULT get_ToolOnly(VARIANT_BOOL* only) = 0;
  virtual HRESULT get_IsDeviceDependent(VARIANT_BOOL* is) = 0;
  virtual HRESULT get_IsUnitDependent(VARIANT_BOOL* is) = 0;
  virtual HRESULT get_DeviceKey(BSTR* key) = 0;
  virtual HRESULT get_IsKeepFloatStandard(VARIANT_BOOL* is) = 0;
  virtual HRESULT get_DividedBy(LONG* divisor) = 0;
  virtual HRESULT get_IsType(VARIANT_BOOL* is) = 0;
  virtual HRESULT get_Min(BSTR* min) = 0;
  virtual HRESULT get_Max(BSTR* max) = 0;
  virtual HRESULT get_ExtendedKey(BSTR* key) = 0;
  virtual HRESULT get_IsMacroConnected(VARIANT_BOOL* connected) = 0;

 protected:
  ~IAttribute() = default;
};

// The parameters of one owner, 1-based, keyed by name (case-insensitive).
struct IAttributes : IDispatch {
  QCOM_IDENTITY(IDispatch, "9E917D56-493C-4302-B173-079A5D7731D7");
  virtual HRESULT get_Count(LONG* count) = 0;
  // By name first, else the key read as a 1-based position; null when neither.
  virtual HRESULT get_Item(VARIANT key, IAttribute** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT get_ExtendedKey(BSTR* key) = 0;

 protected:
  ~IAttributes() = default;
};
