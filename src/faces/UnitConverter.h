#pragma once

#include "com/Bstr.h"
#include "com/Members.h"

// Engineering-unit conversions of the host's unit service, keyed by SNVT number.
// Text arguments are passed by reference.
#define QORDB_IUNITCONVERTER(GET, PUT, CALL, FUNC)           \
  FUNC(ToDisplay, BSTR* snvtId, BSTR* stored, BSTR* display) \
  FUNC(ToStored, BSTR* snvtId, BSTR* display, BSTR* stored)  \
  GET(UnitSystem, LONG* system)                              \
  PUT(UnitSystem, LONG system)                               \
  FUNC(UnitName, BSTR* snvtId, BSTR* unit)                   \
  FUNC(TextToNumber, BSTR* text, double* number)             \
  FUNC(DecimalCount, BSTR* snvtId, SHORT* decimals)          \
  FUNC(DisplayMin, BSTR* snvtId, BSTR* min)                  \
  FUNC(DisplayMax, BSTR* snvtId, BSTR* max)                  \
  FUNC(Resolution, BSTR* snvtId, BSTR* step)                 \
  FUNC(InvalidValueText, BSTR* snvtId, BSTR* text)
struct IUnitConverter : IDispatch {
  QCOM_IDENTITY(IDispatch, "67786299-58C9-4EB0-B0DA-8006EFD2270F");
  QCOM_MEMBERS(QORDB_IUNITCONVERTER)

 protected:
  ~IUnitConverter() = default;
};
