#include "modules/CDBDI.h"

HRESULT CDBDI::put_IsCounter(VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  Core().isCounter = *value != VARIANT_FALSE;
  return S_OK;
}

HRESULT CDBDI::get_IsCounter(VARIANT_BOOL* value) {
  return qcom::ReturnBool(Core().isCounter, value);
}
