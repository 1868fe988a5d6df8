#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "com/Api.h"
#include "com/Bstr.h"

namespace qcom {

// The per-thread error information a failing call leaves for its caller:
// number, source and description, as a host reads them back after the call.
struct ErrorRecord {
  HRESULT number = S_OK;
  std::string source;
  std::string description;
};

QCOM_API void SetErrorRecord(HRESULT number, std::string_view source, std::string_view description);
// Sets the record and hands the number back, so a failing path ends in one
// statement: return RecordError(code, source, "what went wrong").
QCOM_API HRESULT RecordError(HRESULT number, std::string_view source, std::string_view description);
// Records "where: why" and hands the number back; used by the exception
// barrier, so it never throws (a record it cannot build is left out).
QCOM_API HRESULT RecordFailure(HRESULT number, std::string_view source, std::string_view where,
                               std::string_view why) noexcept;
// The code as error texts show it: "0x80040154".
QCOM_API std::string HresultText(HRESULT hr);
// The current record, if any; it stays until replaced or cleared.
QCOM_API std::optional<ErrorRecord> PeekErrorRecord();
// The current record, if any, and clears it.
QCOM_API std::optional<ErrorRecord> TakeErrorRecord();
QCOM_API void ClearErrorRecord();

extern "C" {
// The same record for hosts that speak only the C ABI. QcGetErrorInfo answers
// S_FALSE (and nulls) when no record exists, and clears the record it returns.
QCOM_API HRESULT QcSetErrorInfo(HRESULT number, BSTR source, BSTR description);
QCOM_API HRESULT QcGetErrorInfo(HRESULT* number, BSTR* source, BSTR* description);
}

}  // namespace qcom
