// A step that throws under a point's member ends at the member's barrier: the
// host gets the member's HRESULT, never the exception.
#include <new>
#include <stdexcept>

#include "points/PointFixture.h"

namespace points_test {
namespace {

// A channel that fails when asked for its key, as copying the key does
// without memory.
class FailingChannel final : public BasicChannel<> {
 public:
  explicit FailingChannel(void (*fail)()) : BasicChannel("Analog (1)", "EB1\\AI\\2"), fail_(fail) {}
  std::string LinkGlobalKey() override {
    fail_();
    return {};
  }

 private:
  void (*fail_)();
};

using PointBarrier = PointsFixture;

TEST_F(PointBarrier, AThrowingStepEndsAsTheMembersHresult) {
  struct Case {
    void (*fail)();
    HRESULT expected;
  };
  const Case cases[] = {{[] { throw std::bad_alloc(); }, E_OUTOFMEMORY},
                        {[] { throw std::length_error("key"); }, E_UNEXPECTED}};
  // The window is told the channel's key once the connection is counted.
  owner->window = qcom::Make<testing_support::RecordingEditor>();
  int number = 0;
  for (const Case& c : cases) {
    auto channel = qcom::Make<FailingChannel>(c.fail);
    const std::string suffix = std::to_string(++number);
    auto input = AddIn("Analog in " + suffix, channel.get());
    auto output = AddOut("Analog out " + suffix, channel.get());
    ASSERT_TRUE(input && output);
    EXPECT_EQ(static_cast<ISubItemConnable&>(*input).put_IsConnected(VARIANT_TRUE), c.expected);
    EXPECT_EQ(static_cast<ISubItemConnable&>(*output).put_IsConnected(VARIANT_TRUE), c.expected);
  }
}

}  // namespace
}  // namespace points_test
