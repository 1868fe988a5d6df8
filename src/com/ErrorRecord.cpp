#include "com/ErrorRecord.h"

#include <cstdio>

#include "com/Boundary.h"

namespace qcom {

namespace {
thread_local std::optional<ErrorRecord> t_record;
}

void SetErrorRecord(HRESULT number, std::string_view source, std::string_view description) {
  t_record = ErrorRecord{number, std::string(source), std::string(description)};
}

HRESULT RecordError(HRESULT number, std::string_view source, std::string_view description) {
  SetErrorRecord(number, source, description);
  return number;
}

HRESULT RecordFailure(HRESULT number, std::string_view source, std::string_view where,
                      std::string_view why) noexcept {
  try {
    SetErrorRecord(number, source, std::string(where) + ": " + std::string(why));
  } catch (...) {
  }
  return number;
}

std::string HresultText(HRESULT hr) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(hr));
  return buffer;
}

std::optional<ErrorRecord> PeekErrorRecord() {
  return t_record;
}

std::optional<ErrorRecord> TakeErrorRecord() {
  std::optional<ErrorRecord> r = std::move(t_record);
  t_record.reset();
  return r;
}

void ClearErrorRecord() {
  t_record.reset();
}

}  // namespace qcom

namespace qcom {
extern "C" {

HRESULT QcSetErrorInfo(HRESULT number, BSTR source, BSTR description) {
  return qcom::Guarded([&] {
    qcom::SetErrorRecord(number, qcom::BstrToUtf8(source), qcom::BstrToUtf8(description));
  });
}

HRESULT QcGetErrorInfo(HRESULT* number, BSTR* source, BSTR* description) {
  return qcom::Guarded([&] {
    auto record = qcom::TakeErrorRecord();
    if (number) *number = record ? record->number : S_OK;
    if (source) *source = record ? qcom::AllocBstr(record->source) : nullptr;
    if (description) *description = record ? qcom::AllocBstr(record->description) : nullptr;
    return record ? S_OK : S_FALSE;
  });
}
}
}  // namespace qcom
