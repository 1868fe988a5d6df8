#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/ErrorRecord.h"
#include "com/OutParam.h"
#include "platform/MessagePump.h"
#include "points/CDBCompatibleSNVTs.h"

namespace {

using qcom::Bstr;
using qcom::ComPtr;

std::string Text(ICompatibleSNVTs* list) {
  Bstr text;
  EXPECT_EQ(list->get_ToString(text.out()), S_OK);
  return text.utf8();
}

std::string Id(ICompatibleSNVT* entry) {
  Bstr id;
  if (entry) entry->get_ID(id.out());
  return id.utf8();
}

ComPtr<CDBCompatibleSNVTs> ListOf(const char* ids) {
  auto list = qcom::Make<CDBCompatibleSNVTs>();
  list->Add(ids);
  return list;
}

// A host's list of "6" and "5" that cannot read its first entry (yet hands one
// out) and answers its second with nothing.
class FlakyList final : public qcom::ComObject<ICompatibleSNVTs> {
 public:
  HRESULT get_Count(LONG* count) override { return qcom::ReturnValue(3, count); }
  HRESULT get_Item(LONG index, ICompatibleSNVT** item) override {
    *item = nullptr;
    if (index == 2) return S_OK;
    real_->get_Item(index == 1 ? 1 : 2, item);
    return index == 1 ? E_FAIL : S_OK;
  }
  HRESULT get__NewEnum(IUnknown**) override { return E_NOTIMPL; }
  HRESULT Add(BSTR) override { return E_NOTIMPL; }
  HRESULT Remove(BSTR) override { return E_NOTIMPL; }
  HRESULT get_ToString(BSTR*) override { return E_NOTIMPL; }
  HRESULT get_Exists(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT get_Merge(ICompatibleSNVTs*, ICompatibleSNVTs**) override { return E_NOTIMPL; }

 private:
  ComPtr<CDBCompatibleSNVTs> real_ = ListOf("6,5");
};

TEST(CompatibleSnvts, AddReadsFieldsUpToTheFirstEmptyOneAndSkipsRepeats) {
  // A trailing separator ends the list, an empty field ends it early, and keys
  // compare without regard to case.
  const std::pair<const char*, const char*> cases[] = {
      {"5,6,5", "5,6"}, {"1,2,3,", "1,2,3"}, {"1,,2", "1"}, {",5", ""}, {"x1,X1,x2", "x1,x2"}};
  for (auto [ids, text] : cases) EXPECT_EQ(ListOf(ids)->ToText(), text) << ids;
  EXPECT_EQ(ListOf("")->Count(), 0u);

  // Further lists append; numbers already present keep their place.
  auto list = ListOf("5,6");
  EXPECT_EQ(list->Add(Bstr("7,5,8").get()), S_OK);
  EXPECT_EQ(list->ToText(), "5,6,7,8");

  const uint64_t pumped = platform::PumpCount();
  ListOf("1,2,3");
  ListOf("4");
  EXPECT_EQ(platform::PumpCount(), pumped + 3) << "window messages run between fields of a list";
}

TEST(CompatibleSnvts, ReadsByPositionAndRemovesById) {
  // Enumerating and looking up by key are the keyed lists' (PointCollections).
  auto list = ListOf("83,105,22");
  ComPtr<ICompatibleSNVT> entry;
  ASSERT_EQ(list->get_Item(2, entry.put()), S_OK);
  EXPECT_EQ(Id(entry.get()), "105");
  for (LONG bad : {0, 4, -1}) {
    EXPECT_EQ(list->get_Item(bad, entry.put()), S_OK);
    EXPECT_FALSE(entry) << bad;
  }
  Bstr id("105");
  EXPECT_EQ(list->Remove(id.get()), S_OK);
  EXPECT_EQ(Text(list.get()), "83,22");
  // Removing an absent number is an error to the caller.
  qcom::ClearErrorRecord();
  EXPECT_EQ(list->Remove(id.get()), E_INVALIDARG);
  auto record = qcom::TakeErrorRecord();
  ASSERT_TRUE(record);
  EXPECT_EQ(record->number, E_INVALIDARG);
  EXPECT_NE(record->description.find("'105'"), std::string::npos) << record->description;
}

TEST(CompatibleSnvts, MergeKeepsTheOtherListsOrderAndCloneCopies) {
  auto mine = ListOf("5,6");
  ComPtr<ICompatibleSNVTs> merged;
  ASSERT_EQ(mine->get_Merge(ListOf("6,7,5").get(), merged.put()), S_OK);
  EXPECT_EQ(Text(merged.get()), "6,5");
  EXPECT_EQ(mine->ToText(), "5,6") << "the list stays as it was";
  ASSERT_EQ(mine->get_Merge(ListOf("1,2").get(), merged.put()), S_OK);
  EXPECT_EQ(Text(merged.get()), "");
  EXPECT_EQ(mine->get_Merge(nullptr, merged.put()), E_INVALIDARG);
  EXPECT_FALSE(merged);
  // Entries of the other list that cannot be read are skipped.
  ASSERT_EQ(mine->get_Merge(qcom::Make<FlakyList>().get(), merged.put()), S_OK);
  EXPECT_EQ(Text(merged.get()), "5");

  ComPtr<IDispatch> copy;
  ASSERT_EQ(qcom::QueryAs<IClonable>(mine.get())->Clone(copy.put()), S_OK);
  auto cloned = qcom::QueryAs<ICompatibleSNVTs>(copy.get());
  ASSERT_TRUE(cloned);
  cloned->Remove(Bstr("5").get());
  EXPECT_EQ(Text(cloned.get()), "6");
  EXPECT_EQ(mine->ToText(), "5,6") << "the clone is a list of its own";
}

}  // namespace
