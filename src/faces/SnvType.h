#pragma once

#include "com/Bstr.h"
#include "com/Members.h"

namespace qcom {

// Description of one network variable type, read-only for the host.
#define QORDB_ISNVTYPE(GET, PUT, CALL, FUNC) \
  GET(ID, BSTR* id)                          \
  GET(R5Region, LONG* region)                \
  GET(Factor, LONG* factor)                  \
  GET(ACoef, LONG* a)                        \
  GET(BCoef, LONG* b)                        \
  GET(CCoef, LONG* c)                        \
  GET(GenType, BSTR* kind)                   \
  GET(LUIType, BSTR* editClass)              \
  GET(InvalidValue, BSTR* value)             \
  GET(Name, BSTR* name)                      \
  GET(Min, BSTR* min)                        \
  GET(Max, BSTR* max)                        \
  GET(Units, BSTR* units)                    \
  GET(BACnetUnits, LONG* units)              \
  GET(EnumDesc, BSTR* table)                 \
  GET(Length, LONG* bytes)                   \
  GET(HasField, VARIANT_BOOL* has)
struct ISNVType : IDispatch {
  QCOM_IDENTITY(IDispatch, "268FD429-70E5-494E-925C-B3425E7DCC1E");
  QCOM_MEMBERS(QORDB_ISNVTYPE)

 protected:
  ~ISNVType() = default;
};

}  // namespace qcom
