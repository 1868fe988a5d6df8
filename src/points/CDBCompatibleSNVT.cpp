#include "points/CDBCompatibleSNVT.h"

HRESULT CDBCompatibleSNVT::get_ID(BSTR* id) {
  return qcom::ReturnText(id_, id);
}
