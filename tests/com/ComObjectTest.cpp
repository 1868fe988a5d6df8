#include "com/ComObject.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "com/ClassFactory.h"
#include "com/Probe.h"
#include "com/TestComponent.h"

namespace {

struct IColored : IDispatch {
  QCOM_IDENTITY(IDispatch, "C0F9F925-3296-4008-BAA3-622401EE11AE");

 protected:
  ~IColored() = default;
};

// A counter with a second, dual interface whose base chain is two long.
class ColoredCounter final : public qcom::ComObject<ITestCounter, IColored> {
 public:
  HRESULT Add(LONG, LONG*) override { return E_NOTIMPL; }
};

// An object whose construction fails, as one that runs out of memory would.
class Exploding final : public qcom::ComObject<IDispatch> {
 public:
  Exploding() { throw std::runtime_error("cannot build"); }
};

// Every class of the system answers through ComObject, so the host contract and the
// creation tests exercise the common answers; here the second base and a failing constructor.
TEST(ComObject, QueryInterfaceWalksEveryBaseChainAndAFactoryContainsAThrowingConstructor) {
  const int32_t before = qcom::ThisModule().objects.load();
  qcom::ComPtr<ColoredCounter> object = qcom::Make<ColoredCounter>();
  IUnknown* self = object->Identity();
  IColored* colored = object.get();
  for (IUnknown* from : {self, static_cast<IUnknown*>(colored)}) {
    EXPECT_EQ(qcom::QueryAs<IUnknown>(from).get(), self);  // the identity, whoever is asked
    EXPECT_EQ(qcom::QueryAs<ITestCounter>(from).get(), static_cast<ITestCounter*>(object.get()));
    EXPECT_EQ(qcom::QueryAs<IDispatch>(from).get(), static_cast<IDispatch*>(colored));
  }
  EXPECT_EQ(self->QueryInterface(IUnknown::iid, nullptr), E_POINTER);
  EXPECT_EQ(Probe::Refs(self), 1u);  // one reference per answer, each given back
  EXPECT_EQ(qcom::ThisModule().objects.load(), before + 1);

  void* refused = reinterpret_cast<void*>(1);
  EXPECT_EQ(
      qcom::Make<qcom::ClassFactory<Exploding>>()->CreateInstance(nullptr, IUnknown::iid, &refused),
      E_UNEXPECTED);
  EXPECT_EQ(refused, nullptr);
  object.reset();
  EXPECT_EQ(qcom::ThisModule().objects.load(), before);  // nothing half-built is counted
}

}  // namespace
