#pragma once

#include "com/Bstr.h"
#include "com/Unknown.h"

// Interfaces of the host's own objects that the component calls back into.

// The object the host sets as an application object's Parent.
struct IHostParent : IDispatch {
  QCOM_IDENTITY(IDispatch, "08FD6BCC-503B-4F8A-BBCE-97C336F95A45");
  virtual HRESULT get_Container(IUnknown** container) = 0;

 protected:
  ~IHostParent() = default;
};

// The container of placed objects; told to bring its view up to date after the editor closes.
struct IHostContainer : IDispatch {
  QCOM_IDENTITY(IDispatch, "34AA9638-2C12-4B75-9866-4994CE0201BD");
  virtual HRESULT Refresh() = 0;

 protected:
  ~IHostContainer() = default;
};

// One referenced item of a macro: parameters, inputs and outputs are named by global key.
struct IMacroItem : IDispatch {
  QCOM_IDENTITY(IDispatch, "15C7AB4B-9721-462A-ACF1-68F1806A9605");
  virtual HRESULT get_Key(BSTR* globalKey) = 0;

 protected:
  ~IMacroItem() = default;
};

struct IMacroItems : IDispatch {
  QCOM_IDENTITY(IDispatch, "F5F39321-BC62-4B5C-AE54-0CBB18479854");
  virtual HRESULT get_Count(LONG* count) = 0;
  // 1-based.
  virtual HRESULT get_Item(LONG index, IMacroItem** item) = 0;

 protected:
  ~IMacroItems() = default;
};

struct IMacroList;

// An entry of a macro list: parameter and input entries hold an item collection
// (a group entry also holds sub-entries); output entries hold a single item.
struct IMacroEntry : IDispatch {
  QCOM_IDENTITY(IDispatch, "B06852C7-3183-4CFF-B5EE-D90ABB03FDD6");
  virtual HRESULT get_Items(IMacroItems** items) = 0;
  virtual HRESULT get_IsGroup(VARIANT_BOOL* group) = 0;
  virtual HRESULT get_SubEntries(IMacroList** entries) = 0;
  virtual HRESULT get_Item(IMacroItem** item) = 0;

 protected:
  ~IMacroEntry() = default;
};

struct IMacroList : IDispatch {
  QCOM_IDENTITY(IDispatch, "D9F2310D-BD35-4A16-9506-E0DB57C2DFC9");
  virtual HRESULT get_Count(LONG* count) = 0;
  // 1-based.
  virtual HRESULT get_Entry(LONG index, IMacroEntry** entry) = 0;

 protected:
  ~IMacroList() = default;
};

// The macros of a device: one list of referenced parameters, one of inputs, one of outputs.
struct IMacroSet : IDispatch {
  QCOM_IDENTITY(IDispatch, "10247579-259D-4C9D-A288-813311894648");
  virtual HRESULT get_ParameterList(IMacroList** list) = 0;
  virtual HRESULT get_InputList(IMacroList** list) = 0;
  virtual HRESULT get_OutputList(IMacroList** list) = 0;

 protected:
  ~IMacroSet() = default;
};

// Offered by a device that holds macros; its first member gives the macro set.
struct IMacroContainer : IDispatch {
  QCOM_IDENTITY(IDispatch, "3F291ED8-0B1C-4400-9DB8-EB2D90233070");
  virtual HRESULT get_MacroSet(IMacroSet** set) = 0;

 protected:
  ~IMacroContainer() = default;
};
