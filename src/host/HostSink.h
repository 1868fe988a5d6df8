#pragma once

#include "com/ComObject.h"
#include "faces/Callback.h"

namespace host {

// The host's callback sink. A command-line host has no views to update, so it
// accepts every notification and does nothing with it; the object still sees
// a registered host, as it does under a graphical one.
class HostSink final : public qcom::ComObject<IcbkAppObject> {
 public:
  HRESULT Created() override { return S_OK; }
  HRESULT CDBChanged(LONG, LONG, LONG) override { return S_OK; }
  HRESULT Destroied() override { return S_OK; }
  HRESULT AttributeChanged(BSTR) override { return S_OK; }
  HRESULT AppObjectUserNameChanged(BSTR) override { return S_OK; }
  HRESULT NVNameChanged(BSTR, BSTR) override { return S_OK; }
  HRESULT CPNameChanged(BSTR, BSTR) override { return S_OK; }
  HRESULT NVTypeChanged(BSTR, BSTR) override { return S_OK; }
  HRESULT CPTypeChanged(BSTR, BSTR) override { return S_OK; }
  HRESULT RefInTypeChanged(BSTR) override { return S_OK; }
  HRESULT RefInAdded(BSTR) override { return S_OK; }
  HRESULT RefInRemoved(BSTR) override { return S_OK; }
  HRESULT RefOutAdded(BSTR) override { return S_OK; }
  HRESULT RefOutRemoved(BSTR) override { return S_OK; }
  HRESULT RefOutTypeChanged(BSTR) override { return S_OK; }
  HRESULT ConnectionDeleted(BSTR) override { return S_OK; }
  HRESULT ConnectionToBeDeleted(BSTR) override { return S_OK; }
  HRESULT RefOutAddedBefore(BSTR, BSTR) override { return S_OK; }
  HRESULT RefreshObj() override { return S_OK; }
  HRESULT NumObjectsChanged(LONG) override { return S_OK; }
  HRESULT AvailableDimsChanged() override { return S_OK; }
  HRESULT RemoveGatewayObject(BSTR) override { return S_OK; }
  HRESULT LoadGatewayDevices() override { return S_OK; }
  HRESULT Gateways(IDispatch** result) override { return NoObject(result); }
  HRESULT Ioms(IDispatch** result) override { return NoObject(result); }
  HRESULT RemoveIomInternalObject(BSTR) override { return S_OK; }
  HRESULT LoadIoms() override { return S_OK; }

 private:
  static HRESULT NoObject(IDispatch** result) {
    if (result) *result = nullptr;
    return S_OK;
  }
};

}  // namespace host
