#include "plugin/AppObjectFixture.h"
#include "support/RecordingSink.h"

using testing_support::RecordingSink;
using AppObjectCallbacks = AppObjectFixture;

namespace {
ULONG References(IUnknown* object) {
  object->AddRef();
  return object->Release();
}
}  // namespace

TEST_F(AppObjectCallbacks, EveryRegistrationNotifiesEverySinkInOrder) {
  auto first = qcom::Make<RecordingSink>();
  auto second = qcom::Make<RecordingSink>();
  ASSERT_EQ(object->CallBack(first.get()), S_OK);
  EXPECT_EQ(first->calls, std::vector<std::string>{"CDBChanged 0 0 0"});
  object->CallBack(second.get());
  EXPECT_EQ(first->calls.size(), 2u);
  EXPECT_EQ(second->calls, std::vector<std::string>{"CDBChanged 0 0 0"});
  // The same sink twice hears every later change twice.
  object->CallBack(second.get());
  EXPECT_EQ(first->calls.size(), 3u);
  EXPECT_EQ(second->calls.size(), 3u);
  object->NotifyCDBChanged();
  EXPECT_EQ(first->calls.size(), 4u);
  EXPECT_EQ(second->calls.size(), 5u);
  EXPECT_EQ(object->CallBack(nullptr), E_POINTER);
}

TEST_F(AppObjectCallbacks, TheObjectHoldsNeitherItsSinksNorItsParent) {
  // A sink or a parent often holds the object; the object must not hold them
  // back, or neither would ever go.
  auto sink = qcom::Make<RecordingSink>();
  auto parent = qcom::Make<RecordingSink>();  // any dispatch object serves as a parent
  object->CallBack(sink.get());
  object->put_Parent(parent.get());
  EXPECT_EQ(References(sink.get()), 1u);
  EXPECT_EQ(References(parent.get()), 1u);
  qcom::ComPtr<IDispatch> shown;
  object->get_Parent(shown.put());
  EXPECT_EQ(shown.get(), static_cast<IDispatch*>(parent.get()));
  ASSERT_EQ(object->Destroy(), S_OK);
  object->get_Parent(shown.put());
  EXPECT_FALSE(shown);
  EXPECT_EQ(Text(&CDBAppObject::get_MapTypMod), "") << "the tag stack is gone";
  object->NotifyCDBChanged();
  EXPECT_EQ(sink->calls.size(), 1u) << "no notification after Destroy";

  // A parent or sink its host let go of is no longer there.
  object = qcom::Make<CDBAppObject>();
  object->put_Parent(qcom::Make<RecordingSink>().get());
  object->get_Parent(shown.put());
  EXPECT_FALSE(shown);
}
