#include "com/ComObject.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "com/ClassFactory.h"
#include "com/EnumVariant.h"
#include "com/Probe.h"

namespace {

struct IShape : IUnknown {
  QCOM_IDENTITY(IUnknown, "6A3C7D99-B669-4DEE-87E8-0693134FDA07");
  virtual HRESULT get_Corners(LONG* corners) = 0;

 protected:
  ~IShape() = default;
};

struct ISquare : IShape {
  QCOM_IDENTITY(IShape, "2C34CE9D-93F4-4B8F-BD85-7D305ABD0C59");
  virtual HRESULT get_Side(double* side) = 0;

 protected:
  ~ISquare() = default;
};

struct IColored : IDispatch {
  QCOM_IDENTITY(IDispatch, "C0F9F925-3296-4008-BAA3-622401EE11AE");
  virtual HRESULT get_Color(LONG* color) = 0;

 protected:
  ~IColored() = default;
};

class Square final : public qcom::ComObject<ISquare, IColored> {
 public:
  explicit Square(bool* alive) : alive_(alive) { *alive_ = true; }
  HRESULT get_Corners(LONG* corners) override { return *corners = 4, S_OK; }
  HRESULT get_Side(double* side) override { return *side = 2.5, S_OK; }
  HRESULT get_Color(LONG* color) override { return *color = 0xFF0000, S_OK; }

 private:
  ~Square() override { *alive_ = false; }
  bool* alive_;
};

// An object whose construction fails, as one that runs out of memory would.
class Exploding final : public qcom::ComObject<IDispatch> {
 public:
  Exploding() { throw std::runtime_error("cannot build"); }
};

template <class I>
I* Query(IUnknown* p, HRESULT expected = S_OK) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(p->QueryInterface(I::iid, &out), expected);
  return static_cast<I*>(out);
}

TEST(ComObject, QueryInterfaceWalksEveryBaseChain) {
  bool alive = false;
  qcom::ComPtr<Square> square = qcom::Make<Square>(&alive);
  IUnknown* self = square->Identity();

  ISquare* asSquare = Query<ISquare>(self);
  IShape* asShape = Query<IShape>(self);
  IColored* asColored = Query<IColored>(self);
  IDispatch* asDispatch = Query<IDispatch>(self);
  EXPECT_EQ(Probe::Refs(self), 5u);

  // Each interface pointer reaches its own members.
  LONG corners = 0, color = 0;
  double side = 0;
  asShape->get_Corners(&corners);
  asSquare->get_Side(&side);
  asColored->get_Color(&color);
  EXPECT_EQ(std::tuple(corners, side, color), std::tuple(4, 2.5, 0xFF0000));

  // IUnknown is the same pointer whichever interface is asked.
  IUnknown* identityFromSquare = Query<IUnknown>(asSquare);
  IUnknown* identityFromColored = Query<IUnknown>(asColored);
  EXPECT_EQ(identityFromSquare, self);
  EXPECT_EQ(identityFromColored, self);
  // A dual interface reached through the second base still finds the first.
  EXPECT_EQ(Query<ISquare>(asColored), asSquare);

  // Unknown interfaces: E_NOINTERFACE, a null result and no reference taken.
  EXPECT_EQ(Query<IEnumVARIANT>(self, E_NOINTERFACE), nullptr);
  EXPECT_EQ(Query<IClassFactory>(asColored, E_NOINTERFACE), nullptr);
  EXPECT_EQ(self->QueryInterface(IShape::iid, nullptr), E_POINTER);
  EXPECT_EQ(Probe::Refs(self), 8u);

  // An interface without a member list answers no name and no DISPID.
  unsigned count = 9;
  DISPID id = 0;
  char16_t name[] = u"Color";
  char16_t* names[] = {name};
  DISPPARAMS noArgs{nullptr, nullptr, 0, 0};
  EXPECT_EQ(asDispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(asColored->GetIDsOfNames(GUID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  EXPECT_EQ(
      asColored->Invoke(1, GUID_NULL, 0, DISPATCH_PROPERTYGET, &noArgs, nullptr, nullptr, nullptr),
      DISP_E_MEMBERNOTFOUND);

  for (IUnknown* p : {static_cast<IUnknown*>(asSquare), static_cast<IUnknown*>(asShape),
                      static_cast<IUnknown*>(asColored), static_cast<IUnknown*>(asDispatch),
                      identityFromSquare, identityFromColored, static_cast<IUnknown*>(asSquare)})
    p->Release();
  EXPECT_EQ(Probe::Refs(self), 1u);
  EXPECT_TRUE(alive);
  square.reset();
  EXPECT_FALSE(alive);
}

TEST(ComObject, ModuleCountsObjectsAndLocks) {
  const int32_t before = qcom::ThisModule().objects.load();
  qcom::ComPtr<IClassFactory> factory = qcom::Make<qcom::ClassFactory<Probe>>();
  EXPECT_EQ(qcom::ThisModule().objects.load(), before + 1);
  EXPECT_EQ(qcom::CanUnloadModule(), S_FALSE);  // the factory is an object too

  qcom::ComPtr<IDispatch> made;
  ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::iid, made.put_void()), S_OK);
  EXPECT_EQ(Probe::Refs(made.get()), 1u);  // the factory keeps no reference
  EXPECT_EQ(qcom::ThisModule().objects.load(), before + 2);
  void* refused = reinterpret_cast<void*>(1);
  EXPECT_EQ(factory->CreateInstance(made.get(), IUnknown::iid, &refused), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(factory->CreateInstance(nullptr, IShape::iid, &refused), E_NOINTERFACE);
  EXPECT_EQ(qcom::ThisModule().objects.load(), before + 2);  // the refused object is gone

  // A throwing constructor ends at the factory, and its object is not counted.
  void* failed = reinterpret_cast<void*>(1);
  EXPECT_EQ(
      qcom::Make<qcom::ClassFactory<Exploding>>()->CreateInstance(nullptr, IUnknown::iid, &failed),
      E_UNEXPECTED);
  EXPECT_EQ(failed, nullptr);
  EXPECT_EQ(qcom::ThisModule().objects.load(), before + 2);

  factory->LockServer(1);
  made.reset();
  factory.reset();
  EXPECT_EQ(qcom::ThisModule().objects.load(), before);
  if (before == 0) {
    EXPECT_EQ(qcom::CanUnloadModule(), S_FALSE);  // still locked
  }
  qcom::Make<qcom::ClassFactory<Probe>>()->LockServer(0);
  EXPECT_EQ(qcom::ThisModule().objects.load(), before);
  if (before == 0) {
    EXPECT_EQ(qcom::CanUnloadModule(), S_OK);
  }
}

TEST(ComPtr, ReferenceCounting) {
  bool alive = false;
  Probe* raw = new Probe(&alive);
  {
    qcom::ComPtr<Probe> a(raw);  // takes a new reference
    EXPECT_EQ(Probe::Refs(raw), 1u);
    qcom::ComPtr<Probe> b = a;
    EXPECT_EQ(Probe::Refs(raw), 2u);
    qcom::ComPtr<Probe> c = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_EQ(Probe::Refs(raw), 2u);
    qcom::ComPtr<IDispatch> up = c;  // to a base interface
    EXPECT_EQ(Probe::Refs(raw), 3u);
    up = nullptr;
    EXPECT_EQ(Probe::Refs(raw), 2u);

    Probe* out = nullptr;
    EXPECT_EQ(c.CopyTo(&out), S_OK);
    EXPECT_EQ(Probe::Refs(raw), 3u);
    qcom::ComPtr<Probe> adopted = qcom::ComPtr<Probe>::Attach(out);
    EXPECT_EQ(Probe::Refs(raw), 3u);
    EXPECT_EQ(adopted.detach(), out);
    EXPECT_EQ(Probe::Refs(raw), 3u);
    out->Release();

    // put() releases what the pointer held before the callee fills it.
    qcom::ComPtr<IUnknown> slot = c.As<IUnknown>();
    EXPECT_EQ(Probe::Refs(raw), 3u);
    ASSERT_EQ(raw->QueryInterface(IUnknown::iid, slot.put_void()), S_OK);
    EXPECT_EQ(Probe::Refs(raw), 3u);
    EXPECT_FALSE(c.As<IShape>());
    EXPECT_FALSE((qcom::QueryAs<IUnknown, IUnknown>(nullptr)));
    EXPECT_EQ(qcom::QueryAs<IDispatch>(slot.get()).get(), static_cast<IDispatch*>(raw));
    c = a;  // assigning the same object keeps the count
    EXPECT_EQ(Probe::Refs(raw), 3u);
  }
  EXPECT_FALSE(alive);
}

}  // namespace
