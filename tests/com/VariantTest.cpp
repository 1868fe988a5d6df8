#include "com/Variant.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "com/Probe.h"

namespace {

TEST(Variant, CopyAndClearOfScalarsAndTexts) {
  const int64_t start = qcom::LiveBstrCount();
  qcom::Variant null, copy;
  null.out()->vt = VT_NULL;
  // Scalars copy bit for bit (the wrappers' constructors set them without copying).
  for (const VARIANT& scalar :
       {null.raw(), qcom::Variant(int16_t{-12345}).raw(), qcom::Variant(int32_t{2000000000}).raw(),
        qcom::Variant(0.1).raw(), qcom::Variant(true).raw()}) {
    ASSERT_EQ(VariantCopy(copy.out(), &scalar), S_OK);
    EXPECT_EQ(std::memcmp(&copy.raw(), &scalar, sizeof scalar), 0) << scalar.vt;
  }
  // Texts are copied deeply; copying over a text frees it; a null BSTR copies as null.
  qcom::Variant text("Grüße");
  VARIANT dst, nullText{};
  VariantInit(&dst);
  ASSERT_EQ(VariantCopy(&dst, &text.raw()), S_OK);
  EXPECT_NE(dst.bstrVal, text.raw().bstrVal);
  EXPECT_EQ(qcom::BstrToUtf8(dst.bstrVal), "Grüße");
  EXPECT_EQ(qcom::LiveBstrCount(), start + 2);
  nullText.vt = VT_BSTR;
  ASSERT_EQ(VariantCopy(&dst, &nullText), S_OK);
  EXPECT_EQ(std::tie(dst.vt, dst.bstrVal), std::make_tuple(VT_BSTR, nullptr));
  EXPECT_EQ(qcom::LiveBstrCount(), start + 1);

  // An unknown type tag is refused and leaves the destination alone.
  VARIANT src{};
  dst.vt = VT_I4, dst.lVal = 7;
  src.vt = 72;  // VT_CLSID, which nothing here carries
  EXPECT_EQ(VariantCopy(&dst, &src), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(std::tie(dst.vt, dst.lVal), std::make_tuple(VT_I4, 7));
  EXPECT_EQ(VariantCopy(nullptr, &src), E_POINTER);
  EXPECT_EQ(VariantClear(nullptr), E_POINTER);
}

// The wrapper owns its value; VARIANTs holding objects count their references.
TEST(Variant, ObjectReferencesFollowCopiesMovesAndClears) {
  bool alive = false;
  {
    qcom::ComPtr<Probe> probe = qcom::Make<Probe>(&alive);
    qcom::Variant object(static_cast<IDispatch*>(probe.get())), unknown(probe->Identity());
    EXPECT_EQ(std::tie(object.raw().vt, unknown.raw().vt),
              std::make_tuple(VT_DISPATCH, VT_UNKNOWN));
    qcom::Variant moved = std::move(object);
    EXPECT_EQ(object.type(), VT_EMPTY);
    EXPECT_EQ(Probe::Refs(probe.get()), 3u);
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &unknown.raw()), S_OK);
    EXPECT_EQ(Probe::Refs(probe.get()), 4u);
    ASSERT_EQ(VariantCopy(&copy, &moved.raw()), S_OK);  // releases the one, holds the other
    EXPECT_EQ(copy.vt, VT_DISPATCH);
    EXPECT_EQ(Probe::Refs(probe.get()), 4u);
    EXPECT_EQ(VariantClear(&copy), S_OK);
    moved = qcom::Variant("text");  // assignment releases the object
    unknown = qcom::Variant();
    EXPECT_EQ(Probe::Refs(probe.get()), 1u);
  }
  EXPECT_FALSE(alive);
}

}  // namespace
