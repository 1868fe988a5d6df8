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

TEST(ComObject, QueryInterfaceWalksEveryBaseChainFromEveryInterface) {
  qcom::ComPtr<ColoredCounter> object = qcom::Make<ColoredCounter>();
  IUnknown* self = object->Identity();
  IColored* colored = object.get();
  for (IUnknown* from : {self, static_cast<IUnknown*>(colored)}) {
    EXPECT_EQ(qcom::QueryAs<IUnknown>(from).get(), self);  // the identity, whoever is asked
    EXPECT_EQ(qcom::QueryAs<ITestCounter>(from).get(), static_cast<ITestCounter*>(object.get()));
    EXPECT_EQ(qcom::QueryAs<IDispatch>(from).get(), static_cast<IDispatch*>(colored));
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(from->QueryInterface(IClassFactory::iid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
  }
  EXPECT_EQ(self->QueryInterface(IUnknown::iid, nullptr), E_POINTER);
  EXPECT_EQ(Probe::Refs(self), 1u);  // one reference per answer, each given back
}

TEST(ComObject, FactoryCountsObjectsAndLocksAndContainsAThrowingConstructor) {
  const int32_t before = qcom::ThisModule().objects.load();
  qcom::ComPtr<IClassFactory> factory = qcom::Make<qcom::ClassFactory<Probe>>();
  qcom::ComPtr<IDispatch> made;
  ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::iid, made.put_void()), S_OK);
  EXPECT_EQ(Probe::Refs(made.get()), 1u);                    // the factory keeps no reference
  EXPECT_EQ(qcom::ThisModule().objects.load(), before + 2);  // the factory is an object too
  void* refused = reinterpret_cast<void*>(1);
  EXPECT_EQ(factory->CreateInstance(nullptr, IColored::iid, &refused), E_NOINTERFACE);
  EXPECT_EQ(
      qcom::Make<qcom::ClassFactory<Exploding>>()->CreateInstance(nullptr, IUnknown::iid, &refused),
      E_UNEXPECTED);
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(qcom::ThisModule().objects.load(), before + 2);  // no refused object stays

  factory->LockServer(1);
  made.reset();
  factory.reset();
  EXPECT_EQ(qcom::ThisModule().objects.load(), before);
  EXPECT_EQ(qcom::CanUnloadModule(), S_FALSE);  // still locked
  qcom::Make<qcom::ClassFactory<Probe>>()->LockServer(0);
  EXPECT_EQ(qcom::CanUnloadModule(), before == 0 ? S_OK : S_FALSE);
}

}  // namespace
