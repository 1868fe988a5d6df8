#include "com/EnumVariant.h"

#include <gtest/gtest.h>

#include "com/Probe.h"

namespace {

// Fetches up to n items and returns them as owned variants.
std::vector<qcom::Variant> Fetch(IEnumVARIANT* e, ULONG n, HRESULT expected) {
  std::vector<VARIANT> raw(n);
  for (VARIANT& v : raw) VariantInit(&v);
  ULONG fetched = 99;
  EXPECT_EQ(e->Next(n, raw.data(), &fetched), expected);
  EXPECT_LE(fetched, n);
  std::vector<qcom::Variant> out;
  for (ULONG i = 0; i < fetched && i < n; ++i) out.push_back(qcom::Variant::Attach(raw[i]));
  return out;
}

TEST(EnumVariant, NextSkipResetAndIndependentClone) {
  const int64_t bstrs = qcom::LiveBstrCount();
  bool alive = false;
  {
    qcom::ComPtr<Probe> probe = qcom::Make<Probe>(&alive);
    std::vector<qcom::Variant> items;
    items.emplace_back(int32_t{1});
    items.emplace_back("two");
    items.emplace_back(static_cast<IDispatch*>(probe.get()));
    qcom::ComPtr<IEnumVARIANT> e = qcom::MakeVariantEnumerator(std::move(items));
    EXPECT_EQ(Probe::Refs(probe.get()), 2u);  // the snapshot holds the object

    auto first = Fetch(e.get(), 2, S_OK);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].raw().lVal, 1);
    EXPECT_EQ(first[1].text(), "two");

    // Asking beyond the end answers S_FALSE with the number actually fetched.
    auto rest = Fetch(e.get(), 5, S_FALSE);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].object(), static_cast<IUnknown*>(probe.get()));
    EXPECT_EQ(Probe::Refs(probe.get()), 3u);
    EXPECT_TRUE(Fetch(e.get(), 1, S_FALSE).empty());

    EXPECT_EQ(e->Reset(), S_OK);
    EXPECT_EQ(e->Skip(1), S_OK);
    qcom::ComPtr<IEnumVARIANT> clone;
    ASSERT_EQ(e->Clone(clone.put()), S_OK);
    // The clone starts where the original stands and moves on its own.
    EXPECT_EQ(Fetch(e.get(), 2, S_OK).size(), 2u);
    auto fromClone = Fetch(clone.get(), 1, S_OK);
    ASSERT_EQ(fromClone.size(), 1u);
    EXPECT_EQ(fromClone[0].text(), "two");
    EXPECT_EQ(clone->Skip(5), S_FALSE);
    EXPECT_TRUE(Fetch(clone.get(), 1, S_FALSE).empty());
    EXPECT_EQ(clone->Reset(), S_OK);
    EXPECT_EQ(Fetch(clone.get(), 1, S_OK)[0].raw().lVal, 1);

    ULONG fetched = 7;
    EXPECT_EQ(e->Next(1, nullptr, &fetched), E_POINTER);
    EXPECT_EQ(e->Clone(nullptr), E_POINTER);
  }
  EXPECT_FALSE(alive);
  EXPECT_EQ(qcom::LiveBstrCount(), bstrs);
}

}  // namespace
