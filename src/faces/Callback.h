#pragma once

#include "com/Bstr.h"
#include "com/Members.h"

namespace qcom {

// The host's callback sink. The host registers one with an application object
// and its collections; the component announces changes through it. The slot
// order is the host's and must not change.
#define QORDB_ICBKAPPOBJECT(GET, PUT, CALL, FUNC)                                \
  CALL(Created)                                                                  \
  CALL(CDBChanged, LONG extraCDBLen, LONG extraDDBLen, LONG extraSDBLen)         \
  CALL(Destroied)                                                                \
  CALL(AttributeChanged, BSTR globalKey)                                         \
  CALL(AppObjectUserNameChanged, BSTR userName)                                  \
  CALL(NVNameChanged, BSTR globalKey, BSTR newName)                              \
  CALL(CPNameChanged, BSTR globalKey, BSTR newName)                              \
  CALL(NVTypeChanged, BSTR globalKey, BSTR snvtId)                               \
  CALL(CPTypeChanged, BSTR globalKey, BSTR snvtId)                               \
  CALL(RefInTypeChanged, BSTR globalKey)                                         \
  CALL(RefInAdded, BSTR globalKey)                                               \
  CALL(RefInRemoved, BSTR globalKey)                                             \
  CALL(RefOutAdded, BSTR globalKey)                                              \
  CALL(RefOutRemoved, BSTR globalKey)                                            \
  CALL(RefOutTypeChanged, BSTR globalKey)                                        \
  CALL(ConnectionDeleted, BSTR globalKey)                                        \
  CALL(ConnectionToBeDeleted, BSTR globalKey)                                    \
  /* The new output goes right after the output whose key is beforeGlobalKey. */ \
  CALL(RefOutAddedBefore, BSTR globalKey, BSTR beforeGlobalKey)                  \
  CALL(RefreshObj)                                                               \
  CALL(NumObjectsChanged, LONG count)                                            \
  CALL(AvailableDimsChanged)                                                     \
  CALL(RemoveGatewayObject, BSTR globalKey)                                      \
  CALL(LoadGatewayDevices)                                                       \
  FUNC(Gateways, IDispatch** result)                                             \
  FUNC(Ioms, IDispatch** result)                                                 \
  CALL(RemoveIomInternalObject, BSTR globalKey)                                  \
  CALL(LoadIoms)
struct IcbkAppObject : IDispatch {
  QCOM_IDENTITY(IDispatch, "79B12BE0-42E3-4175-B5DC-9D30A42FB62F");
  QCOM_MEMBERS(QORDB_ICBKAPPOBJECT)

 protected:
  ~IcbkAppObject() = default;
};

}  // namespace qcom
