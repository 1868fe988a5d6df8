#pragma once

#include "com/Bstr.h"
#include "com/Unknown.h"

// Engineering-unit conversions of the host's unit service, keyed by SNVT number.
// Text arguments are passed by reference.
struct IUnitConverter : IDispatch {
  QCOM_IDENTITY(IDispatch, "67786299-58C9-4EB0-B0DA-8006EFD2270F");
  virtual HRESULT ToDisplay(BSTR* snvtId, BSTR* stored, BSTR* display) = 0;
  virtual HRESULT ToStored(BSTR* snvtId, BSTR* display, BSTR* stored) = 0;
  virtual HRESULT get_UnitSystem(LONG* system) = 0;
  virtual HRESULT put_UnitSystem(LONG system) = 0;
  virtual HRESULT UnitName(BSTR* snvtId, BSTR* unit) = 0;
  virtual HRESULT TextToNumber(BSTR* text, double* number) = 0;
  virtual HRESULT DecimalCount(BSTR* snvtId, SHORT* decimals) = 0;
  virtual HRESULT DisplayMin(BSTR* snvtId, BSTR* min) = 0;
  virtual HRESULT DisplayMax(BSTR* snvtId, BSTR* max) = 0;
  virtual HRESULT Resolution(BSTR* snvtId, BSTR* step) = 0;
  virtual HRESULT InvalidValueText(BSTR* snvtId, BSTR* text) = 0;

 protected:
  ~IUnitConverter() = default;
};
