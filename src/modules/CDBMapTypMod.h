#pragma once

#include <string>

#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/Members.h"

// Default interface of CDBMapTypMod.
#define TQ_CDBMAPTYPMOD(GET, PUT, CALL, FUNC) \
  GET(tag, BSTR* tag)                         \
  PUT(tag, BSTR tag)
struct _CDBMapTypMod : IDispatch {
  QCOM_IDENTITY(IDispatch, "E588B4EC-363C-4648-843F-C6157736457A");
  QCOM_MEMBERS(TQ_CDBMAPTYPMOD)

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
