#pragma once

#include "com/ComObject.h"
#include "faces/Callback.h"

namespace faces {
using ::qcom::BSTR;
using ::qcom::ComObject;
using ::qcom::HRESULT;
using ::qcom::IcbkAppObject;
using ::qcom::IDispatch;
using ::qcom::LONG;
using ::qcom::S_OK;

// A host callback sink that acknowledges every notification and does nothing
// with it. A host or a window that follows only some notifications derives
// from it and overrides those; Extra lists further interfaces it implements.
template <class... Extra>
class CallbackSink : public qcom::ComObject<IcbkAppObject, Extra...> {
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
  // No gateway or I/O module list to offer.
  HRESULT Gateways(IDispatch** result) override { return NoObject(result); }
  HRESULT Ioms(IDispatch** result) override { return NoObject(result); }
  HRESULT RemoveIomInternalObject(BSTR) override { return S_OK; }
  HRESULT LoadIoms() override { return S_OK; }

 protected:
  ~CallbackSink() override = default;

 private:
  static HRESULT NoObject(IDispatch** result) {
    if (result) *result = nullptr;
    return S_OK;
  }
};

}  // namespace faces
