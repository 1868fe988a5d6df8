#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "com/Variant.h"
#include "faces/Callback.h"
#include "faces/CompatibleSnvt.h"
#include "faces/SnvType.h"

namespace qcom {

// A connection point that receives a value from the network.
#define QORDB_IINPUT(GET, PUT, CALL, FUNC)      \
  PUT(changeType, BSTR type)                    \
  PUT(CallBack, IcbkAppObject* sink)            \
  GET(NodeType, LONG* type)                     \
  GET(IsConnected, VARIANT_BOOL* connected)     \
  GET(ConnectedType, IDispatch** type)          \
  GET(Visible, VARIANT_BOOL* visible)           \
  GET(Mandatory, VARIANT_BOOL* mandatory)       \
  GET(Value, BSTR* value)                       \
  PUT(Value, BSTR value)                        \
  GET(Name, BSTR* name)                         \
  GET(GlobalKey, BSTR* key)                     \
  GET(Extended, VARIANT_BOOL* extended)         \
  GET(Index, LONG* index)                       \
  GET(CDBPosition, LONG* position)              \
  GET(SNVTCompatibles, ICompatibleSNVTs** list) \
  GET(Parent, IDispatch** appObject)            \
  GET(ExtendedKey, BSTR* key)                   \
  GET(IsMacroConnected, VARIANT_BOOL* connected)
struct IInput : IDispatch {
  QCOM_IDENTITY(IDispatch, "80DBAA44-32A9-45FC-95C7-DCD5912C0FD9");
  QCOM_MEMBERS(QORDB_IINPUT)

 protected:
  ~IInput() = default;
};

// A connection point that sends a value to the network.
#define QORDB_IOUTPUT(GET, PUT, CALL, FUNC)      \
  GET(IsConnected, VARIANT_BOOL* connected)      \
  PUT(CallBack, IcbkAppObject* sink)             \
  PUT(changeType, BSTR type)                     \
  GET(NodeType, LONG* type)                      \
  GET(Visible, VARIANT_BOOL* visible)            \
  GET(Name, BSTR* name)                          \
  GET(GlobalKey, BSTR* key)                      \
  GET(Index, LONG* index)                        \
  GET(SNVTCompatible, ICompatibleSNVT** type)    \
  GET(SNVTType, ISNVType** type)                 \
  GET(Parent, IDispatch** appObject)             \
  GET(DisplayWritable, VARIANT_BOOL* writable)   \
  GET(IsTypeDependent, VARIANT_BOOL* dependent)  \
  GET(ExtendedKey, BSTR* key)                    \
  GET(IsMacroConnected, VARIANT_BOOL* connected) \
  GET(IsDisplayable, VARIANT_BOOL* displayable)  \
  PUT(IsDisplayable, VARIANT_BOOL displayable)
struct IOutput : IDispatch {
  QCOM_IDENTITY(IDispatch, "AE67C4C1-FE34-427E-96C2-43AAFBA65D90");
  QCOM_MEMBERS(QORDB_IOUTPUT)

 protected:
  ~IOutput() = default;
};

// How the host marks connections on inputs and outputs alike.
#define QORDB_ISUBITEMCONNABLE(GET, PUT, CALL, FUNC) \
  PUT(IsConnected, VARIANT_BOOL connected)           \
  PUT(HasPriority, VARIANT_BOOL priority)            \
  PUT(IncrementalConnIndex, LONG index)              \
  PUT(ConnectedType, IDispatch* type)                \
  GET(ItemType, LONG* type)                          \
  GET(GlobalKey, BSTR* key)                          \
  GET(Name, BSTR* name)                              \
  GET(SNVTType, ISNVType** type)                     \
  FUNC(IsSNVTCompatible, ISNVType* type, VARIANT_BOOL* compatible)
struct ISubItemConnable : IDispatch {
  QCOM_IDENTITY(IDispatch, "792CED6C-6E95-475B-A09C-69530A4E38C9");
  QCOM_MEMBERS(QORDB_ISUBITEMCONNABLE)

 protected:
  ~ISubItemConnable() = default;
};

// An output as the host's display and trend views show it.
#define QORDB_IDISPLAYITEM(GET, PUT, CALL, FUNC) \
  GET(DisplayText, BSTR* text)                   \
  PUT(DisplayText, BSTR text)                    \
  GET(Key, BSTR* key)                            \
  GET(itemType, LONG* type)                      \
  GET(Icon, LONG* icon)                          \
  GET(IsWritable, VARIANT_BOOL* writable)        \
  GET(IsTrendable, VARIANT_BOOL* trendable)      \
  GET(Reference, BSTR* reference)                \
  GET(IsConnected, VARIANT_BOOL* connected)      \
  GET(IsDisplayable, VARIANT_BOOL* displayable)  \
  GET(SNVTType, ISNVType** type)                 \
  GET(Fields, IDispatch** fields)
struct IDisplayItem : IDispatch {
  QCOM_IDENTITY(IDispatch, "D2A6247F-583A-4BD5-95AE-FB9F1B7EE724");
  QCOM_MEMBERS(QORDB_IDISPLAYITEM)

 protected:
  ~IDisplayItem() = default;
};

#define QORDB_IINPUTS(GET, PUT, CALL, FUNC) \
  PUT(CallBack, IcbkAppObject* sink)        \
  GET(Count, LONG* count)                   \
  GET(Item, VARIANT key, IInput** item)     \
  GET(_NewEnum, IUnknown** enumerator)      \
  GET(GlobalKey, BSTR* key)                 \
  GET(ExtendedKey, BSTR* key)
struct IInputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "B3F17145-3600-479D-B1F0-95A065A0F844");
  QCOM_MEMBERS(QORDB_IINPUTS)

 protected:
  ~IInputs() = default;
};

#define QORDB_IOUTPUTS(GET, PUT, CALL, FUNC) \
  GET(Count, LONG* count)                    \
  GET(Item, VARIANT key, IOutput** item)     \
  GET(_NewEnum, IUnknown** enumerator)       \
  GET(GlobalKey, BSTR* key)                  \
  PUT(CallBack, IcbkAppObject* sink)         \
  GET(ExtendedKey, BSTR* key)
struct IOutputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "025C4BB9-1C4E-46F7-B7A1-556A8150985F");
  QCOM_MEMBERS(QORDB_IOUTPUTS)

 protected:
  ~IOutputs() = default;
};

}  // namespace qcom
