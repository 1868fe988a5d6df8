#pragma once

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "com/ComObject.h"
#include "faces/Callback.h"

namespace testing_support {

// A host callback sink that writes down every notification it receives, one
// line each ("CDBChanged 0 0 0", "RefOutAdded KEY", ...), in order.
class RecordingSink final : public qcom::ComObject<IcbkAppObject> {
 public:
  std::vector<std::string> calls;

  HRESULT Created() override { return Note("Created"); }
  HRESULT CDBChanged(LONG a, LONG b, LONG c) override {
    return Note("CDBChanged " + std::to_string(a) + " " + std::to_string(b) + " " +
                std::to_string(c));
  }
  HRESULT Destroied() override { return Note("Destroied"); }
  HRESULT AttributeChanged(BSTR k) override { return Note("AttributeChanged", k); }
  HRESULT AppObjectUserNameChanged(BSTR n) override { return Note("AppObjectUserNameChanged", n); }
  HRESULT NVNameChanged(BSTR k, BSTR) override { return Note("NVNameChanged", k); }
  HRESULT CPNameChanged(BSTR k, BSTR) override { return Note("CPNameChanged", k); }
  HRESULT NVTypeChanged(BSTR k, BSTR) override { return Note("NVTypeChanged", k); }
  HRESULT CPTypeChanged(BSTR k, BSTR) override { return Note("CPTypeChanged", k); }
  HRESULT RefInTypeChanged(BSTR k) override { return Note("RefInTypeChanged", k); }
  HRESULT RefInAdded(BSTR k) override { return Note("RefInAdded", k); }
  HRESULT RefInRemoved(BSTR k) override { return Note("RefInRemoved", k); }
  HRESULT RefOutAdded(BSTR k) override { return Note("RefOutAdded", k); }
  HRESULT RefOutRemoved(BSTR k) override { return Note("RefOutRemoved", k); }
  HRESULT RefOutTypeChanged(BSTR k) override { return Note("RefOutTypeChanged", k); }
  HRESULT ConnectionDeleted(BSTR k) override { return Note("ConnectionDeleted", k); }
  HRESULT ConnectionToBeDeleted(BSTR k) override { return Note("ConnectionToBeDeleted", k); }
  HRESULT RefOutAddedBefore(BSTR k, BSTR before) override {
    return Note("RefOutAddedBefore " + qcom::BstrToUtf8(k) + " " + qcom::BstrToUtf8(before));
  }
  HRESULT RefreshObj() override { return Note("RefreshObj"); }
  HRESULT NumObjectsChanged(LONG n) override { return Note("NumObjectsChanged " + std::to_string(n)); }
  HRESULT AvailableDimsChanged() override { return Note("AvailableDimsChanged"); }
  HRESULT RemoveGatewayObject(BSTR k) override { return Note("RemoveGatewayObject", k); }
  HRESULT LoadGatewayDevices() override { return Note("LoadGatewayDevices"); }
  HRESULT Gateways(IDispatch** r) override {
    if (r) *r = nullptr;
    return Note("Gateways");
  }
  HRESULT Ioms(IDispatch** r) override {
    if (r) *r = nullptr;
    return Note("Ioms");
  }
  HRESULT RemoveIomInternalObject(BSTR k) override { return Note("RemoveIomInternalObject", k); }
  HRESULT LoadIoms() override { return Note("LoadIoms"); }

 private:
  HRESULT Note(std::string line) {
    calls.push_back(std::move(line));
    return S_OK;
  }
  HRESULT Note(const char* what, BSTR key) { return Note(std::string(what) + " " + qcom::BstrToUtf8(key)); }
};

}  // namespace testing_support
