#include "modules/CDBMapTypMod.h"

CDBMapTypMod::CDBMapTypMod(std::string tag) : tag_(std::move(tag)) {}

HRESULT CDBMapTypMod::get_tag(BSTR* tag) {
  return qcom::ReturnText(tag_, tag);
}

HRESULT CDBMapTypMod::put_tag(BSTR tag) {
  return qcom::StoreText(tag, tag_);
}
