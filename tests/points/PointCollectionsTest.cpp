#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  ComPtr<FakeChannel> ai1 = Channel("Analog (0)", "EB1\\AI\\1");
  ComPtr<FakeChannel> do1 = Channel("Binary (0)", "EB1\\DO\\1");
};

TEST_F(PointCollections, ItemFindsByKeyThenByPositionAndEnumeratesInOrder) {
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

  AddOut("Binary (0) Counter", ai1.get());
  AddOut("Analog (0) Value", ai1.get());
  // The collection's own enumerator and the host interface's are the same.
  ComPtr<IUnknown> unknown;
  ASSERT_EQ(static_cast<_CDBOutputs*>(outputs.get())->get__NewEnum(unknown.put()), S_OK);
  Lines names;
  for (const auto& output : EnumerateAs<IOutput>(unknown.get()))
    names.push_back(NameOf(output.get()));
  EXPECT_EQ(names, (Lines{"Binary (0) Counter", "AI AlarmStatus", "analog (0) value"}));
}

}  // namespace
}  // namespace points_test
