#pragma once

#include "com/Bstr.h"
#include "com/Members.h"

namespace qcom {

// Interfaces of the host's own objects that the component calls back into.

// The object the host sets as an application object's Parent.
#define QORDB_IHOSTPARENT(GET, PUT, CALL, FUNC) GET(Container, IUnknown** container)
struct IHostParent : IDispatch {
  QCOM_IDENTITY(IDispatch, "08FD6BCC-503B-4F8A-BBCE-97C336F95A45");
  QCOM_MEMBERS(QORDB_IHOSTPARENT)

 protected:
  ~IHostParent() = default;
};

// The container of placed objects; told to bring its view up to date after the editor closes.
#define QORDB_IHOSTCONTAINER(GET, PUT, CALL, FUNC) CALL(Refresh)
struct IHostContainer : IDispatch {
  QCOM_IDENTITY(IDispatch, "34AA9638-2C12-4B75-9866-4994CE0201BD");
  QCOM_MEMBERS(QORDB_IHOSTCONTAINER)

 protected:
  ~IHostContainer() = default;
};

// One referenced item of a macro: parameters, inputs and outputs are named by global key.
#define QORDB_IMACROITEM(GET, PUT, CALL, FUNC) GET(Key, BSTR* globalKey)
struct IMacroItem : IDispatch {
  QCOM_IDENTITY(IDispatch, "15C7AB4B-9721-462A-ACF1-68F1806A9605");
  QCOM_MEMBERS(QORDB_IMACROITEM)

 protected:
  ~IMacroItem() = default;
};

#define QORDB_IMACROITEMS(GET, PUT, CALL, FUNC) \
  GET(Count, LONG* count)                       \
  /* 1-based. */                                \
  GET(Item, LONG index, IMacroItem** item)
struct IMacroItems : IDispatch {
  QCOM_IDENTITY(IDispatch, "F5F39321-BC62-4B5C-AE54-0CBB18479854");
  QCOM_MEMBERS(QORDB_IMACROITEMS)

 protected:
  ~IMacroItems() = default;
};

struct IMacroList;

// An entry of a macro list: parameter and input entries hold an item collection
// (a group entry also holds sub-entries); output entries hold a single item.
#define QORDB_IMACROENTRY(GET, PUT, CALL, FUNC) \
  GET(Items, IMacroItems** items)               \
  GET(IsGroup, VARIANT_BOOL* group)             \
  GET(SubEntries, IMacroList** entries)         \
  GET(Item, IMacroItem** item)
struct IMacroEntry : IDispatch {
  QCOM_IDENTITY(IDispatch, "B06852C7-3183-4CFF-B5EE-D90ABB03FDD6");
  QCOM_MEMBERS(QORDB_IMACROENTRY)

 protected:
  ~IMacroEntry() = default;
};

#define QORDB_IMACROLIST(GET, PUT, CALL, FUNC) \
  GET(Count, LONG* count)                      \
  /* 1-based. */                               \
  GET(Entry, LONG index, IMacroEntry** entry)
struct IMacroList : IDispatch {
  QCOM_IDENTITY(IDispatch, "D9F2310D-BD35-4A16-9506-E0DB57C2DFC9");
  QCOM_MEMBERS(QORDB_IMACROLIST)

 protected:
  ~IMacroList() = default;
};

// The macros of a device: one list of referenced parameters, one of inputs, one of outputs.
#define QORDB_IMACROSET(GET, PUT, CALL, FUNC) \
  GET(ParameterList, IMacroList** list)       \
  GET(InputList, IMacroList** list)           \
  GET(OutputList, IMacroList** list)
struct IMacroSet : IDispatch {
  QCOM_IDENTITY(IDispatch, "10247579-259D-4C9D-A288-813311894648");
  QCOM_MEMBERS(QORDB_IMACROSET)

 protected:
  ~IMacroSet() = default;
};

// Offered by a device that holds macros; its first member gives the macro set.
#define QORDB_IMACROCONTAINER(GET, PUT, CALL, FUNC) GET(MacroSet, IMacroSet** set)
struct IMacroContainer : IDispatch {
  QCOM_IDENTITY(IDispatch, "3F291ED8-0B1C-4400-9DB8-EB2D90233070");
  QCOM_MEMBERS(QORDB_IMACROCONTAINER)

 protected:
  ~IMacroContainer() = default;
};

}  // namespace qcom
