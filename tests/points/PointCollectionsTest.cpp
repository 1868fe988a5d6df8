#include <gtest/gtest.h>

#include <string>

#include "com/Bstr.h"
#include "points/PointFixture.h"

namespace points_test {
namespace {

using qcom::ComPtr;

template <class I>
std::string NameOf(I* item) {
  return item ? Get(item, &I::get_Name) : "(none)";
}

// Keys, removing a channel's points and releasing them all are pinned with
// the application object (AppObjectPoints, ModuleSet); here: lookups.
class PointCollections : public PointsFixture {
 protected:
  ComPtr<FakeChannel> do1 = Channel("Binary (0)", "EB1\\DO\\1");
};

TEST_F(PointCollections, ItemFindsByKeyThenByPosition) {
  AddIn("Binary (0) Value", do1.get());
  AddIn("2", do1.get());
  AddIn("Third", do1.get());
  ComPtr<IInput> input;
  auto item = [&](qcom::Variant key) {
    EXPECT_EQ(inputs->get_Item(key.raw(), input.put()), S_OK);
    return NameOf(input.get());
  };
  EXPECT_EQ(item("binary (0) VALUE"), "Binary (0) Value");
  EXPECT_EQ(item("2"), "2") << "the text key wins over the position";
  EXPECT_EQ(item(int32_t{3}), "Third");
  EXPECT_EQ(item(int16_t{1}), "Binary (0) Value");
  EXPECT_EQ(item(3.0), "Third");
  EXPECT_EQ(item("3 apples"), "Third") << "a position is read from the key's leading number";
  for (qcom::Variant none :
       {qcom::Variant("4"), qcom::Variant("nope"), qcom::Variant(int32_t{0}), qcom::Variant()})
    EXPECT_EQ(item(none), "(none)");
  EXPECT_EQ(Get(inputs.get(), &CDBInputs::get_Count), 3);
}

}  // namespace
}  // namespace points_test
