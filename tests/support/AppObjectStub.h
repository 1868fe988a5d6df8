#pragma once

#include "com/ComObject.h"
#include "faces/AppObject.h"

namespace testing_support {

// Stand-ins for host interfaces, made from their member lists: every member
// fails with E_NOTIMPL, and a fake derives from one and overrides only what its
// tests look at.
template <class I>
struct Stub;

#define TEST_STUB_GET(name, ...)             \
  HRESULT get_##name(__VA_ARGS__) override { \
    return E_NOTIMPL;                        \
  }
#define TEST_STUB_PUT(name, ...)             \
  HRESULT put_##name(__VA_ARGS__) override { \
    return E_NOTIMPL;                        \
  }
#define TEST_STUB_METHOD(name, ...)    \
  HRESULT name(__VA_ARGS__) override { \
    return E_NOTIMPL;                  \
  }
#define TEST_STUB(I, LIST)                                                 \
  template <>                                                              \
  struct Stub<I> : I {                                                     \
    LIST(TEST_STUB_GET, TEST_STUB_PUT, TEST_STUB_METHOD, TEST_STUB_METHOD) \
                                                                           \
   protected:                                                              \
    ~Stub() = default;                                                     \
  };

// The stubs keep the parameter names of the declarations without using them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
TEST_STUB(IAppObject, QORDB_IAPPOBJECT)
TEST_STUB(IInput, QORDB_IINPUT)
TEST_STUB(IOutput, QORDB_IOUTPUT)
TEST_STUB(IInputs, QORDB_IINPUTS)
TEST_STUB(IOutputs, QORDB_IOUTPUTS)
#pragma GCC diagnostic pop

// An application object on which every member fails with E_NOTIMPL. Extra
// interfaces (internal ones the component asks its application object for) are
// listed as template arguments and implemented by the derived class.
template <class... Extra>
using AppObjectStub = qcom::ComObject<Stub<IAppObject>, Extra...>;

}  // namespace testing_support
