#pragma once

#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "com/ErrorRecord.h"
#include "com/Types.h"

// The one exception barrier of the system. A caller across an interface only
// ever sees an HRESULT, so every interface member whose body can throw (an
// allocation is enough) runs it through Guarded.
namespace qcom {

// Runs body; an exception becomes E_OUTOFMEMORY or E_UNEXPECTED.
template <class F>
HRESULT Guarded(F&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

// The same, and an exception also leaves an error record for the caller,
// from `source`, saying where it happened and why.
template <class F>
HRESULT Guarded(std::string_view source, std::string_view where, F&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return RecordFailure(E_OUTOFMEMORY, source, where, "out of memory");
  } catch (const std::exception& e) {
    return RecordFailure(E_UNEXPECTED, source, where, e.what());
  } catch (...) {
    return RecordFailure(E_UNEXPECTED, source, where, "unexpected exception");
  }
}

}  // namespace qcom
