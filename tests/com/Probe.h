#pragma once

#include "com/ComObject.h"

// A counted object for tests that hand objects around: it answers IUnknown and
// IDispatch and tells its reference count and whether it still lives.
class Probe final : public qcom::ComObject<IDispatch> {
 public:
  explicit Probe(bool* alive = nullptr) : alive_(alive) {
    if (alive_) *alive_ = true;
  }

  // The current count, read through the interface.
  static ULONG Refs(IUnknown* p) {
    p->AddRef();
    return p->Release();
  }

 private:
  ~Probe() override {
    if (alive_) *alive_ = false;
  }
  bool* alive_;
};
