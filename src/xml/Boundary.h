#pragma once

#include <new>

#include "com/Types.h"

namespace qxml {

// Runs the body of an interface member: no C++ exception leaves the library.
template <class F>
HRESULT Guarded(F&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace qxml
