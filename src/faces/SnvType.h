#pragma once

#include "com/Bstr.h"
#include "com/Unknown.h"

// Description of one network variable type, read-only for the host.
struct ISNVType : IDispatch {
  QCOM_IDENTITY(IDispatch, "268FD429-70E5-494E-925C-B3425E7DCC1E");
  virtual HRESULT get_ID(BSTR* id) = 0;
  virtual HRESULT get_R5Region(LONG* region) = 0;
  virtual HRESULT get_Factor(LONG* factor) = 0;
  virtual HRESULT get_ACoef(LONG* a) = 0;
  virtual HRESULT get_BCoef(LONG* b) = 0;
  virtual HRESULT get_CCoef(LONG* c) = 0;
  virtual HRESULT get_GenType(BSTR* kind) = 0;
  virtual HRESULT get_LUIType(BSTR* editClass) = 0;
  virtual HRESULT get_InvalidValue(BSTR* value) = 0;
  virtual HRESULT get_Name(BSTR* name) = 0;
  virtual HRESULT get_Min(BSTR* min) = 0;
  virtual HRESULT get_Max(BSTR* max) = 0;
  virtual HRESULT get_Units(BSTR* units) = 0;
  virtual HRESULT get_BACnetUnits(LONG* units) = 0;
  virtual HRESULT get_EnumDesc(BSTR* table) = 0;
  virtual HRESULT get_Length(LONG* bytes) = 0;
  virtual HRESULT get_HasField(VARIANT_BOOL* has) = 0;

 protected:
  ~ISNVType() = default;
};
