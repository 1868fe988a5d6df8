#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "com/Bstr.h"
#include "com/ErrorRecord.h"
#include "platform/MessagePump.h"
#include "points/CDBCompatibleSNVTs.h"
#include "points/PointFakes.h"

namespace {

using qcom::Bstr;
using qcom::ComPtr;

std::string Text(ICompatibleSNVTs* list) {
  Bstr text;
  EXPECT_EQ(list->get_ToString(text.out()), S_OK);
  return text.utf8();
}

bool Exists(ICompatibleSNVTs* list, const char* id) {
  VARIANT_BOOL exists = VARIANT_TRUE;
  EXPECT_EQ(list->get_Exists(Bstr(id).get(), &exists), S_OK);
  return exists != VARIANT_FALSE;
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

TEST(CompatibleSnvts, AddReadsFieldsUpToTheFirstEmptyOneAndSkipsRepeats) {
  // A trailing separator ends the list, an empty field ends it early, and keys
  // compare without regard to case.
  const std::pair<const char*, const char*> cases[] = {
      {"5,6,5", "5,6"}, {"1,2,3,", "1,2,3"},  {"1,,2", "1"}, {",5", ""}, {"95", "95"},
      {"", ""},         {"x1,X1,x2", "x1,x2"}};
  for (auto [ids, text] : cases) EXPECT_EQ(ListOf(ids)->ToText(), text) << ids;
  EXPECT_EQ(ListOf("")->Count(), 0u);

  // Further lists append; numbers already present keep their place.
  auto list = ListOf("5,6");
  EXPECT_EQ(list->Add(Bstr("7,5,8").get()), S_OK);
  EXPECT_EQ(Text(list.get()), "5,6,7,8");
  list->Add(Bstr("6").get());
  EXPECT_EQ(list->ToText(), "5,6,7,8");

  const uint64_t pumped = platform::PumpCount();
  ListOf("1,2,3");
  EXPECT_EQ(platform::PumpCount(), pumped + 3) << "window messages run between fields";
  ListOf("4");
  EXPECT_EQ(platform::PumpCount(), pumped + 3);
}

TEST(CompatibleSnvts, ReadsByPositionEnumeratesInOrderAndAnswersExists) {
  auto list = ListOf("83,105,22");
  LONG count = 0;
  list->get_Count(&count);
  EXPECT_EQ(count, 3);
  ComPtr<ICompatibleSNVT> entry;
  ASSERT_EQ(list->get_Item(2, entry.put()), S_OK);
  ASSERT_TRUE(entry);
  EXPECT_EQ(Id(entry.get()), "105");
  for (LONG bad : {0, 4, -1}) {
    EXPECT_EQ(list->get_Item(bad, entry.put()), S_OK);
    EXPECT_FALSE(entry) << bad;
  }

  ComPtr<IUnknown> unknown;
  ASSERT_EQ(list->get__NewEnum(unknown.put()), S_OK);
  std::vector<std::string> ids;
  for (const auto& item : points_test::EnumerateAs<ICompatibleSNVT>(unknown.get()))
    ids.push_back(Id(item.get()));
  EXPECT_EQ(ids, (std::vector<std::string>{"83", "105", "22"}));
  EXPECT_TRUE(Exists(list.get(), "105"));
  EXPECT_FALSE(Exists(list.get(), "10"));
  VARIANT_BOOL exists = VARIANT_TRUE;
  EXPECT_EQ(list->get_Exists(nullptr, &exists), S_OK) << "a null text is the empty text";
  EXPECT_EQ(exists, VARIANT_FALSE);
}

TEST(CompatibleSnvts, RemoveOfAnAbsentIdIsAnErrorToTheCaller) {
  auto list = ListOf("5,6,7");
  Bstr six("6");
  EXPECT_EQ(list->Remove(six.get()), S_OK);
  EXPECT_EQ(list->ToText(), "5,7");
  EXPECT_FALSE(list->Exists("6"));

  qcom::ClearErrorRecord();
  EXPECT_EQ(list->Remove(six.get()), E_INVALIDARG);
  auto record = qcom::TakeErrorRecord();
  ASSERT_TRUE(record);
  EXPECT_EQ(record->number, E_INVALIDARG);
  EXPECT_NE(record->description.find("'6'"), std::string::npos) << record->description;
  EXPECT_EQ(list->ToText(), "5,7");
}

TEST(CompatibleSnvts, MergeKeepsTheOtherListsOrderAndCloneCopies) {
  auto mine = ListOf("5,6");
  auto other = ListOf("6,7,5");
  ComPtr<ICompatibleSNVTs> merged;
  ASSERT_EQ(mine->get_Merge(other.get(), merged.put()), S_OK);
  ASSERT_TRUE(merged);
  EXPECT_EQ(Text(merged.get()), "6,5");
  EXPECT_EQ(mine->ToText() + " " + other->ToText(), "5,6 6,7,5") << "both lists stay as they were";
  ASSERT_EQ(mine->get_Merge(ListOf("1,2").get(), merged.put()), S_OK);
  EXPECT_EQ(Text(merged.get()), "");
  EXPECT_EQ(mine->get_Merge(nullptr, merged.put()), E_INVALIDARG);
  EXPECT_FALSE(merged);

  ComPtr<IDispatch> copy;
  ASSERT_EQ(qcom::QueryAs<IClonable>(mine.get())->Clone(copy.put()), S_OK);
  auto cloned = qcom::QueryAs<ICompatibleSNVTs>(copy.get());
  ASSERT_TRUE(cloned);
  EXPECT_NE(cloned.get(), static_cast<ICompatibleSNVTs*>(mine.get()));
  EXPECT_EQ(Text(cloned.get()), "5,6");
  cloned->Remove(Bstr("5").get());
  EXPECT_EQ(Text(cloned.get()), "6");
  EXPECT_EQ(mine->ToText(), "5,6") << "the clone is a list of its own";
}

}  // namespace
