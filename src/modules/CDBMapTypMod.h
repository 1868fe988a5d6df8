#pragma once

#include <string>

#include "com/Bstr.h"
#include "com/ComObject.h"

// Default interface of CDBMapTypMod.
struct _CDBMapTypMod : IDispatch {
  QCOM_IDENTITY(IDispatch, "E588B4EC-363C-4648-843F-C6157736457A");
  virtual HRESULT get_tag(BSTR* tag) = 0;
  virtual HRESULT put_tag(BSTR tag) = 0;

 protected:
  ~_CDBMapTypMod() = default;
};

// One entry of the application object's stack of map/type/module tags: the tag
// the configuration tree gave the module placed last.
class CDBMapTypMod final : public qcom::ComObject<_CDBMapTypMod> {
 public:
  CDBMapTypMod() = default;
  explicit CDBMapTypMod(std::string tag);

  HRESULT get_tag(BSTR* tag) override;
  HRESULT put_tag(BSTR tag) override;

  const std::string& Tag() const { return tag_; }

 private:
  std::string tag_;
};
