#pragma once

#include <string>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/CompatibleSnvt.h"

// Default interface of CDBCompatibleSNVT: the entry is read through ICompatibleSNVT.
struct _CDBCompatibleSNVT : IDispatch {
  QCOM_IDENTITY(IDispatch, "2CCC64B8-C65C-413B-ACAC-79939F353850");

 protected:
  ~_CDBCompatibleSNVT() = default;
};

// One SNVT number: an entry of an input's compatible list, or the type of an output.
class CDBCompatibleSNVT final : public qcom::ComObject<_CDBCompatibleSNVT, ICompatibleSNVT> {
 public:
  void SetID(std::string id) { id_ = std::move(id); }
  const std::string& Id() const { return id_; }

  // ICompatibleSNVT
  HRESULT get_ID(BSTR* id) override;

 private:
  std::string id_;
};
