#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "xml/DomInterfaces.h"

namespace qcom {

// Engineering-unit conversions of the host's unit service, keyed by SNVT number.
// Text arguments are passed by reference. The service answers from the SNVT
// catalogue it is handed (Catalogue, after the members the dialogs use): the
// same document the application object was given, so the two cannot disagree.
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
  FUNC(InvalidValueText, BSTR* snvtId, BSTR* text)           \
  PUT(Catalogue, IXMLDOMDocument* catalogue)
struct IUnitConverter : IDispatch {
  QCOM_IDENTITY(IDispatch, "67786299-58C9-4EB0-B0DA-8006EFD2270F");
  QCOM_MEMBERS(QORDB_IUNITCONVERTER)

 protected:
  ~IUnitConverter() = default;
};

}  // namespace qcom
