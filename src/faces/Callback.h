#pragma once

#include "com/Bstr.h"
#include "com/Unknown.h"

// The host's callback sink. The host registers one with an application object
// and its collections; the component announces changes through it. The slot
// order is the host's and must not change.
struct IcbkAppObject : IDispatch {
  QCOM_IDENTITY(IDispatch, "79B12BE0-42E3-4175-B5DC-9D30A42FB62F");
  virtual HRESULT Created() = 0;
  virtual HRESULT CDBChanged(LONG extraCDBLen, LONG extraDDBLen, LONG extraSDBLen) = 0;
  virtual HRESULT Destroied() = 0;
  virtual HRESULT AttributeChanged(BSTR globalKey) = 0;
  virtual HRESULT AppObjectUserNameChanged(BSTR userName) = 0;
  virtual HRESULT NVNameChanged(BSTR globalKey, BSTR newName) = 0;
  virtual HRESULT CPNameChanged(BSTR globalKey, BSTR newName) = 0;
  virtual HRESULT NVTypeChanged(BSTR globalKey, BSTR snvtId) = 0;
  virtual HRESULT CPTypeChanged(BSTR globalKey, BSTR snvtId) = 0;
  virtual HRESULT RefInTypeChanged(BSTR globalKey) = 0;
  virtual HRESULT RefInAdded(BSTR globalKey) = 0;
  virtual HRESULT RefInRemoved(BSTR globalKey) = 0;
  virtual HRESULT RefOutAdded(BSTR globalKey) = 0;
  virtual HRESULT RefOutRemoved(BSTR globalKey) = 0;
  virtual HRESULT RefOutTypeChanged(BSTR globalKey) = 0;
  virtual HRESULT ConnectionDeleted(BSTR globalKey) = 0;
  virtual HRESULT ConnectionToBeDeleted(BSTR globalKey) = 0;
  // The new output goes right after the output whose key is beforeGlobalKey.
  virtual HRESULT RefOutAddedBefore(BSTR globalKey, BSTR beforeGlobalKey) = 0;
  virtual HRESULT RefreshObj() = 0;
  virtual HRESULT NumObjectsChanged(LONG count) = 0;
  virtual HRESULT AvailableDimsChanged() = 0;
  virtual HRESULT RemoveGatewayObject(BSTR globalKey) = 0;
  virtual HRESULT LoadGatewayDevices() = 0;
  virtual HRESULT Gateways(IDispatch** result) = 0;
  virtual HRESULT Ioms(IDispatch** result) = 0;
  virtual HRESULT RemoveIomInternalObject(BSTR globalKey) = 0;
  virtual HRESULT LoadIoms() = 0;

 protected:
  ~IcbkAppObject() = default;
};
