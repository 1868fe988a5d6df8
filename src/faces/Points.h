#pragma once

#include "com/Bstr.h"
#include "com/Variant.h"
#include "faces/Callback.h"
#include "faces/CompatibleSnvt.h"
#include "faces/SnvType.h"

// A connection point that receives a value from the network.
struct IInput : IDispatch {
  QCOM_IDENTITY(IDispatch, "80DBAA44-32A9-45FC-95C7-DCD5912C0FD9");
  virtual HRESULT put_changeType(BSTR type) = 0;
  virtual HRESULT put_CallBack(IcbkAppObject* sink) = 0;
  virtual HRESULT get_NodeType(LONG* type) = 0;
  virtual HRESULT get_IsConnected(VARIANT_BOOL* connected) = 0;
  virtual HRESULT get_ConnectedType(IDispatch** type) = 0;
  virtual HRESULT get_Visible(VARIANT_BOOL* visible) = 0;
  virtual HRESULT get_Mandatory(VARIANT_BOOL* mandatory) = 0;
  virtual HRESULT get_Value(BSTR* value) = 0;
  virtual HRESULT put_Value(BSTR value) = 0;
  virtual HRESULT get_Name(BSTR* name) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT get_Extended(VARIANT_BOOL* extended) = 0;
  virtual HRESULT get_Index(LONG* index) = 0;
  virtual HRESULT get_CDBPosition(LONG* position) = 0;
  virtual HRESULT get_SNVTCompatibles(ICompatibleSNVTs** list) = 0;
  virtual HRESULT get_Parent(IDispatch** appObject) = 0;
  virtual HRESULT get_ExtendedKey(BSTR* key) = 0;
  virtual HRESULT get_IsMacroConnected(VARIANT_BOOL* connected) = 0;

 protected:
  ~IInput() = default;
};

// A connection point that sends a value to the network.
struct IOutput : IDispatch {
  QCOM_IDENTITY(IDispatch, "AE67C4C1-FE34-427E-96C2-43AAFBA65D90");
  virtual HRESULT get_IsConnected(VARIANT_BOOL* connected) = 0;
  virtual HRESULT put_CallBack(IcbkAppObject* sink) = 0;
  virtual HRESULT put_changeType(BSTR type) = 0;
  virtual HRESULT get_NodeType(LONG* type) = 0;
  virtual HRESULT get_Visible(VARIANT_BOOL* visible) = 0;
  virtual HRESULT get_Name(BSTR* name) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT get_Index(LONG* index) = 0;
  virtual HRESULT get_SNVTCompatible(ICompatibleSNVT** type) = 0;
  virtual HRESULT get_SNVTType(ISNVType** type) = 0;
  virtual HRESULT get_Parent(IDispatch** appObject) = 0;
  virtual HRESULT get_DisplayWritable(VARIANT_BOOL* writable) = 0;
  virtual HRESULT get_IsTypeDependent(VARIANT_BOOL* dependent) = 0;
  virtual HRESULT get_ExtendedKey(BSTR* key) = 0;
  virtual HRESULT get_IsMacroConnected(VARIANT_BOOL* connected) = 0;
  virtual HRESULT get_IsDisplayable(VARIANT_BOOL* displayable) = 0;
  virtual HRESULT put_IsDisplayable(VARIANT_BOOL displayable) = 0;

 protected:
  ~IOutput() = default;
};

// How the host marks connections on inputs and outputs alike.
struct ISubItemConnable : IDispatch {
  QCOM_IDENTITY(IDispatch, "792CED6C-6E95-475B-A09C-69530A4E38C9");
  virtual HRESULT put_IsConnected(VARIANT_BOOL connected) = 0;
  virtual HRESULT put_HasPriority(VARIANT_BOOL priority) = 0;
  virtual HRESULT put_IncrementalConnIndex(LONG index) = 0;
  virtual HRESULT put_ConnectedType(IDispatch* type) = 0;
  virtual HRESULT get_ItemType(LONG* type) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT get_Name(BSTR* name) = 0;
  virtual HRESULT get_SNVTType(ISNVType** type) = 0;
  virtual HRESULT IsSNVTCompatible(ISNVType* type, VARIANT_BOOL* compatible) = 0;

 protected:
  ~ISubItemConnable() = default;
};

// An output as the host's display and trend views show it.
struct IDisplayItem : IDispatch {
  QCOM_IDENTITY(IDispatch, "D2A6247F-583A-4BD5-95AE-FB9F1B7EE724");
  virtual HRESULT get_DisplayText(BSTR* text) = 0;
  virtual HRESULT put_DisplayText(BSTR text) = 0;
  virtual HRESULT get_Key(BSTR* key) = 0;
  virtual HRESULT get_itemType(LONG* type) = 0;
  virtual HRESULT get_Icon(LONG* icon) = 0;
  virtual HRESULT get_IsWritable(VARIANT_BOOL* writable) = 0;
  virtual HRESULT get_IsTrendable(VARIANT_BOOL* trendable) = 0;
  virtual HRESULT get_Reference(BSTR* reference) = 0;
  virtual HRESULT get_IsConnected(VARIANT_BOOL* connected) = 0;
  virtual HRESULT get_IsDisplayable(VARIANT_BOOL* displayable) = 0;
  virtual HRESULT get_SNVTType(ISNVType** type) = 0;
  virtual HRESULT get_Fields(IDispatch** fields) = 0;

 protected:
  ~IDisplayItem() = default;
};

struct IInputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "B3F17145-3600-479D-B1F0-95A065A0F844");
  virtual HRESULT put_CallBack(IcbkAppObject* sink) = 0;
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get_Item(VARIANT key, IInput** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT get_ExtendedKey(BSTR* key) = 0;

 protected:
  ~IInputs() = default;
};

struct IOutputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "025C4BB9-1C4E-46F7-B7A1-556A8150985F");
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get_Item(VARIANT key, IOutput** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT put_CallBack(IcbkAppObject* sink) = 0;
  virtual HRESULT get_ExtendedKey(BSTR* key) = 0;

 protected:
  ~IOutputs() = default;
};
