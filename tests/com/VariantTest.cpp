#include "com/Variant.h"

#include <gtest/gtest.h>

#include <cstring>

#include "com/Probe.h"

namespace {

TEST(Variant, CopyAndClearOfScalars) {
  VARIANT src, dst;
  VariantInit(&src);
  VariantInit(&dst);
  EXPECT_EQ(dst.vt, VT_EMPTY);
  qcom::Variant null;
  null.out()->vt = VT_NULL;
  // Scalars copy bit for bit (the wrappers' constructors set them without copying).
  for (const VARIANT& scalar :
       {null.raw(), qcom::Variant(int16_t{-12345}).raw(), qcom::Variant(int32_t{2000000000}).raw(),
        qcom::Variant(0.1).raw(), qcom::Variant(true).raw()}) {
    ASSERT_EQ(VariantCopy(&dst, &scalar), S_OK);
    EXPECT_EQ(std::memcmp(&dst, &scalar, sizeof dst), 0) << scalar.vt;
    EXPECT_EQ(VariantClear(&dst), S_OK);
    EXPECT_EQ(dst.vt, VT_EMPTY);
  }

  // An unknown type tag is refused and leaves the destination alone.
  dst.vt = VT_I4, dst.lVal = 7;
  src.vt = 72;  // VT_CLSID, which nothing here carries
  EXPECT_EQ(VariantCopy(&dst, &src), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(dst.vt, VT_I4);
  EXPECT_EQ(dst.lVal, 7);
  EXPECT_EQ(VariantCopy(nullptr, &src), E_POINTER);
  EXPECT_EQ(VariantClear(nullptr), E_POINTER);
}

TEST(Variant, BstrIsCopiedDeeplyAndFreedOnClear) {
  const int64_t start = qcom::LiveBstrCount();
  VARIANT src, dst;
  VariantInit(&src);
  VariantInit(&dst);
  src.vt = VT_BSTR;
  src.bstrVal = qcom::AllocBstr("Grüße");
  ASSERT_EQ(VariantCopy(&dst, &src), S_OK);
  EXPECT_NE(dst.bstrVal, src.bstrVal);
  EXPECT_EQ(qcom::BstrToUtf8(dst.bstrVal), "Grüße");
  EXPECT_EQ(qcom::LiveBstrCount(), start + 2);

  // Copying over a BSTR frees the old one; a null BSTR copies as null.
  VARIANT nullText;
  VariantInit(&nullText);
  nullText.vt = VT_BSTR;
  ASSERT_EQ(VariantCopy(&dst, &nullText), S_OK);
  EXPECT_EQ(dst.vt, VT_BSTR);
  EXPECT_EQ(dst.bstrVal, nullptr);
  EXPECT_EQ(qcom::LiveBstrCount(), start + 1);
  VariantClear(&src);
  VariantClear(&dst);
  EXPECT_EQ(qcom::LiveBstrCount(), start);
}

// The wrapper owns its value; VARIANTs holding objects count their references.
TEST(Variant, OwningWrapperAndObjectReferences) {
  const int64_t start = qcom::LiveBstrCount();
  bool alive = false;
  {
    qcom::ComPtr<Probe> probe = qcom::Make<Probe>(&alive);
    qcom::Variant text("abc");
    qcom::Variant copy = text;
    EXPECT_EQ(copy.text(), "abc");
    EXPECT_NE(copy.raw().bstrVal, text.raw().bstrVal);
    EXPECT_EQ(qcom::Variant(int32_t{5}).text(), "");  // text only of BSTRs

    qcom::Variant object(static_cast<IDispatch*>(probe.get()));
    EXPECT_EQ(object.type(), VT_DISPATCH);
    EXPECT_EQ(object.object(), static_cast<IUnknown*>(probe.get()));
    EXPECT_EQ(Probe::Refs(probe.get()), 2u);
    qcom::Variant moved = std::move(object);
    EXPECT_EQ(object.type(), VT_EMPTY);
    EXPECT_EQ(Probe::Refs(probe.get()), 2u);

    VARIANT out;
    ASSERT_EQ(moved.CopyTo(&out), S_OK);
    EXPECT_EQ(Probe::Refs(probe.get()), 3u);
    qcom::Variant adopted = qcom::Variant::Attach(out);
    EXPECT_EQ(out.vt, VT_EMPTY);
    EXPECT_EQ(Probe::Refs(probe.get()), 3u);
    adopted = copy;  // assignment releases the object
    EXPECT_EQ(Probe::Refs(probe.get()), 2u);
    *moved.out() = VARIANT{};
    EXPECT_EQ(Probe::Refs(probe.get()), 1u);

    // The same for an IUnknown variant copied and cleared by hand.
    qcom::Variant unknown(static_cast<IUnknown*>(probe.get()));
    EXPECT_EQ(unknown.type(), VT_UNKNOWN);
    VARIANT dst;
    VariantInit(&dst);
    ASSERT_EQ(VariantCopy(&dst, &unknown.raw()), S_OK);
    EXPECT_EQ(Probe::Refs(probe.get()), 3u);
    VariantClear(&dst);
    EXPECT_EQ(Probe::Refs(probe.get()), 2u);
    unknown = qcom::Variant();
    EXPECT_EQ(Probe::Refs(probe.get()), 1u);
  }
  EXPECT_FALSE(alive);
  EXPECT_EQ(qcom::LiveBstrCount(), start);
}

}  // namespace
