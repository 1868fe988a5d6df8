#pragma once

#include "com/Unknown.h"

// The interface and identities of the test component, a tiny in-process server
// the creation tests load through the registry as a host would.
struct ITestCounter : IUnknown {
  QCOM_IDENTITY(IUnknown, "461D8CD5-2C72-436A-9071-529A9CF6E9BC");
  // Adds amount to the running total and returns the new total.
  virtual HRESULT Add(LONG amount, LONG* total) = 0;

 protected:
  ~ITestCounter() = default;
};

namespace testcomponent {

constexpr CLSID kCounterClass = qcom::MakeGuid("0259C66E-A3C9-43F0-9A48-EC2746DE4494");
constexpr const char* kCounterProgId = "QcomTest.Counter";
// A class whose DllGetClassObject throws, as a broken component might.
constexpr CLSID kThrowingClass = qcom::MakeGuid("2F1CD207-3906-4644-996E-2080CBC1319A");
constexpr const char* kThrowingProgId = "QcomTest.Throwing";
constexpr GUID kTypeLib = qcom::MakeGuid("3770701F-6976-4D9C-83E1-46687737E134");

}  // namespace testcomponent
