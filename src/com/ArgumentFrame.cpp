#include "com/ArgumentFrame.h"

#include "com/VariantCoercion.h"

namespace qcom {

HRESULT ArgumentFrame::Given(unsigned position, VARIANT& given) {
  VariantInit(&given);
  if (HRESULT hr = VariantCopyInd(&given, &params_.rgvarg[IndexOf(position)]); FAILED(hr))
    return Fail(position, DISP_E_TYPEMISMATCH);
  // How a client leaves out an argument.
  if (given.vt == VT_ERROR && given.scode == DISP_E_PARAMNOTFOUND)
    return Fail(position, DISP_E_PARAMNOTOPTIONAL);
  return S_OK;
}

HRESULT ArgumentFrame::Fail(unsigned position, HRESULT hr) {
  if (argErr_) *argErr_ = IndexOf(position);
  return hr;
}

HRESULT ArgumentFrame::Load(unsigned position, VARTYPE vt, VARIANT& value) {
  VARIANT given;
  if (HRESULT hr = Given(position, given); FAILED(hr)) return hr;
  if (vt == VT_VARIANT) {
    VariantClear(&value);
    value = given;
    return S_OK;
  }
  HRESULT hr = VariantChangeType(&value, &given, 0, vt);
  VariantClear(&given);
  return FAILED(hr) ? Fail(position, hr) : S_OK;
}

HRESULT ArgumentFrame::LoadObject(unsigned position, REFIID iid, void** object) {
  *object = nullptr;
  VARIANT given;
  if (HRESULT hr = Given(position, given); FAILED(hr)) return hr;
  HRESULT hr = S_OK;
  if (given.vt == VT_UNKNOWN || given.vt == VT_DISPATCH) {
    if (given.punkVal && FAILED(given.punkVal->QueryInterface(iid, object)))
      hr = DISP_E_TYPEMISMATCH;
  } else if (given.vt != VT_EMPTY && given.vt != VT_NULL) {
    hr = DISP_E_TYPEMISMATCH;
  }
  VariantClear(&given);
  return FAILED(hr) ? Fail(position, hr) : S_OK;
}

HRESULT ArgumentFrame::WriteBack(unsigned position, const VARIANT& value) {
  const VARIANT& argument = params_.rgvarg[IndexOf(position)];
  if (!(argument.vt & VT_BYREF)) return S_OK;
  const VARTYPE type = argument.vt & ~VT_BYREF;
  if (type == VT_VARIANT) return VariantCopy(argument.pvarVal, &value);
  VARIANT converted;
  VariantInit(&converted);
  HRESULT hr = VariantChangeType(&converted, &value, 0, type);
  if (SUCCEEDED(hr)) hr = StoreThroughReference(argument, converted);
  VariantClear(&converted);
  return FAILED(hr) ? Fail(position, hr) : S_OK;
}

void ArgumentFrame::Return(VARIANT& value) {
  if (!result_) return;
  *result_ = value;
  VariantInit(&value);
}

}  // namespace qcom
