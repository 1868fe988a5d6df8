#pragma once

#include <cstdint>

#include "com/Unknown.h"

namespace qcom {

// The members of a dual interface are declared once, as a list, and that one
// list gives both the vtable and the answers to late-bound calls by name. The
// list is a macro taking four macros (the lines below end in backslashes):
//
//   #define QORDB_ISHAPE(GET, PUT, CALL, FUNC)
//     GET(Side, double* side)                    -> get_Side(double* side)
//     PUT(Side, double side)                     -> put_Side(double side)
//     GET(Item, LONG index, IShape** item)       -> get_Item(LONG index, IShape** item)
//     CALL(Reset)                                -> Reset()
//     FUNC(Scale, double factor, double* area)   -> Scale(double factor, double* area)
//
//   struct IShape : IDispatch {
//     QCOM_IDENTITY(IDispatch, "...");
//     QCOM_MEMBERS(QORDB_ISHAPE)
//    protected:
//     ~IShape() = default;
//   };
//
// GET(X, ...)  property get get_X: the last parameter receives the value; any
//              before it are indices (Item(key), Exists(id)).
// PUT(X, ...)  property put put_X, reached by put and putref alike: the last
//              parameter is the value, by pointer when the member may change it.
// CALL(X, ...) method X: every parameter is an argument.
// FUNC(X, ...) method X whose last parameter receives its result.
// QCOM_NOT_BY_NAME(CALL)(X, ...) (or GET, PUT, FUNC) keeps the slot but offers
//              no name, for a member whose parameters a call by name cannot
//              carry, such as a pointer to an array.
// Every pointer parameter that is not a result is [in,out]: a by-reference
// argument gets the member's value back. Each line is one pure virtual member
// returning HRESULT; members take the slots after the base interface's, in the
// order listed. A member's DISPID is the 1-based number of the line where its
// name first appears, counting the base interface's lines first and leaving out
// lines not offered by name, so a get and a put share one; Item is DISPID_VALUE
// and _NewEnum DISPID_NEWENUM, as scripting clients expect of a collection.
#define QCOM_MEMBERS(LIST)                                               \
  LIST(QCOM_SLOT_GET, QCOM_SLOT_PUT, QCOM_SLOT_METHOD, QCOM_SLOT_METHOD) \
  template <class QcomTable>                                             \
  static void DescribeMembers(QcomTable& table) {                        \
    LIST(QCOM_ROW_GET, QCOM_ROW_PUT, QCOM_ROW_CALL, QCOM_ROW_FUNC)       \
  }

#define QCOM_SLOT_GET(name, ...) virtual ::qcom::HRESULT get_##name(__VA_ARGS__) = 0;
#define QCOM_SLOT_PUT(name, ...) virtual ::qcom::HRESULT put_##name(__VA_ARGS__) = 0;
#define QCOM_SLOT_METHOD(name, ...) virtual ::qcom::HRESULT name(__VA_ARGS__) = 0;

#define QCOM_ROW(kind, name, member) \
  table.template Add<::qcom::MemberKind::kind, &QcomTable::Face::member>(#name);
#define QCOM_ROW_GET(name, ...) QCOM_ROW(Get, name, get_##name)
#define QCOM_ROW_PUT(name, ...) QCOM_ROW(Put, name, put_##name)
#define QCOM_ROW_CALL(name, ...) QCOM_ROW(Call, name, name)
#define QCOM_ROW_FUNC(name, ...) QCOM_ROW(Func, name, name)

#define QCOM_NOT_BY_NAME(kind) QCOM_NOT_BY_NAME_##kind
#define QCOM_NOT_BY_NAME_QCOM_SLOT_GET QCOM_SLOT_GET
#define QCOM_NOT_BY_NAME_QCOM_SLOT_PUT QCOM_SLOT_PUT
#define QCOM_NOT_BY_NAME_QCOM_SLOT_METHOD QCOM_SLOT_METHOD
#define QCOM_NOT_BY_NAME_QCOM_ROW_GET QCOM_NO_ROW
#define QCOM_NOT_BY_NAME_QCOM_ROW_PUT QCOM_NO_ROW
#define QCOM_NOT_BY_NAME_QCOM_ROW_CALL QCOM_NO_ROW
#define QCOM_NOT_BY_NAME_QCOM_ROW_FUNC QCOM_NO_ROW
#define QCOM_NO_ROW(...)

// How a listed member is reached by name.
enum class MemberKind : uint8_t { Get, Put, Call, Func };

}  // namespace qcom
