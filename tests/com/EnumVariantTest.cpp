#include "com/EnumVariant.h"

#include <gtest/gtest.h>

#include "com/Probe.h"

namespace {

// Asks for n items; the answer and the texts (or "#" and the number) of what came.
std::pair<HRESULT, std::string> Next(IEnumVARIANT* e, ULONG n) {
  std::vector<VARIANT> raw(n);
  ULONG fetched = 99;
  HRESULT hr = e->Next(n, raw.data(), &fetched);
  EXPECT_LE(fetched, n);
  std::string items;
  for (ULONG i = 0; i < fetched && i < n; ++i) {
    qcom::Variant v = qcom::Variant::Attach(raw[i]);
    items += v.type() == VT_I4 ? "#" + std::to_string(v.raw().lVal) : v.text() + ";";
  }
  return {hr, items};
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

    EXPECT_EQ(Next(e.get(), 2), std::make_pair(S_OK, std::string("#1two;")));
    // Asking beyond the end answers S_FALSE with what there was; the object comes with a reference.
    std::vector<VARIANT> last(2);
    ULONG fetched = 0;
    EXPECT_EQ(e->Next(2, last.data(), &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    qcom::Variant object = qcom::Variant::Attach(last[0]);
    EXPECT_EQ(object.object(), static_cast<IUnknown*>(probe.get()));
    EXPECT_EQ(Probe::Refs(probe.get()), 3u);
    EXPECT_EQ(Next(e.get(), 1), std::make_pair(S_FALSE, std::string()));

    EXPECT_EQ(e->Reset(), S_OK);
    EXPECT_EQ(e->Skip(1), S_OK);
    qcom::ComPtr<IEnumVARIANT> clone;
    ASSERT_EQ(e->Clone(clone.put()), S_OK);
    // The clone starts where the original stands and moves on its own.
    EXPECT_EQ(e->Skip(2), S_OK);
    EXPECT_EQ(Next(clone.get(), 1), std::make_pair(S_OK, std::string("two;")));
    EXPECT_EQ(clone->Skip(2), S_FALSE);
    EXPECT_EQ(clone->Reset(), S_OK);
    EXPECT_EQ(Next(clone.get(), 1), std::make_pair(S_OK, std::string("#1")));

    EXPECT_EQ(e->Next(1, nullptr, &fetched), E_POINTER);
    EXPECT_EQ(e->Clone(nullptr), E_POINTER);
  }
  EXPECT_FALSE(alive);
  EXPECT_EQ(qcom::LiveBstrCount(), bstrs);
}

}  // namespace
