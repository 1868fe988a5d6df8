#pragma once

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "faces/CallbackSink.h"

namespace testing_support {

// A host callback sink that writes down, one line each and in order, every
// notification the model sends ("CDBChanged 0 0 0", "RefOutAdded KEY", ...).
class RecordingSink final : public faces::CallbackSink<> {
 public:
  std::vector<std::string> calls;

  HRESULT CDBChanged(LONG a, LONG b, LONG c) override {
    return Note("CDBChanged " + std::to_string(a) + " " + std::to_string(b) + " " +
                std::to_string(c));
  }
  HRESULT RefInAdded(BSTR k) override { return Note("RefInAdded", k); }
  HRESULT RefInRemoved(BSTR k) override { return Note("RefInRemoved", k); }
  HRESULT RefOutAdded(BSTR k) override { return Note("RefOutAdded", k); }
  HRESULT RefOutRemoved(BSTR k) override { return Note("RefOutRemoved", k); }
  HRESULT RefOutAddedBefore(BSTR k, BSTR before) override {
    return Note("RefOutAddedBefore " + qcom::BstrToUtf8(k) + " " + qcom::BstrToUtf8(before));
  }

 private:
  HRESULT Note(std::string line) {
    calls.push_back(std::move(line));
    return S_OK;
  }
  HRESULT Note(const char* what, BSTR key) {
    return Note(std::string(what) + " " + qcom::BstrToUtf8(key));
  }
};

}  // namespace testing_support
