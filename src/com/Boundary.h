#pragma once

#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>

#include "com/ErrorRecord.h"
#include "com/Types.h"

namespace qcom {

// The one exception barrier of the system. A caller across an interface only
// ever sees an HRESULT, so every interface member whose body can throw (an
// allocation is enough) runs it through Guarded.
//
// Where the barrier sits: handing a text out and storing a caller's text are
// the only throwing steps of most getters and setters, so ReturnText and
// StoreText (com/Bstr.h) carry the barrier themselves and never throw. A
// member that hands out a stored text or stores the caller's text as it is
// stays a one-line call of them. A member that does anything else that can
// throw (builds the text it returns, converts a text and works with it, adds
// to a list, calls model, platform or editor code) runs its whole body through
// Guarded. A member that only copies a number or a pointer needs neither.

namespace detail {
// A body that returns nothing counts as S_OK: a member body that only stores,
// or an editor operation, which has no HRESULT to tell its caller.
template <class F>
HRESULT RunBody(F& body) {
  if constexpr (std::is_void_v<std::invoke_result_t<F&>>) {
    body();
    return S_OK;
  } else {
    return body();
  }
}
}  // namespace detail

// Runs body; an exception becomes E_OUTOFMEMORY or E_UNEXPECTED.
template <class F>
HRESULT Guarded(F&& body) noexcept {
  try {
    return detail::RunBody(body);
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
    return detail::RunBody(body);
  } catch (const std::bad_alloc&) {
    return RecordFailure(E_OUTOFMEMORY, source, where, "out of memory");
  } catch (const std::exception& e) {
    return RecordFailure(E_UNEXPECTED, source, where, e.what());
  } catch (...) {
    return RecordFailure(E_UNEXPECTED, source, where, "unexpected exception");
  }
}

}  // namespace qcom
