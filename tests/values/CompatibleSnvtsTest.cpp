#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "com/EnumVariant.h"
#include "com/ErrorRecord.h"
#include "platform/MessagePump.h"
#include "values/CDBCompatibleSNVTs.h"

namespace {

using qcom::ComPtr;

std::string Text(ICompatibleSNVTs* list) {
  qcom::Bstr text;
  EXPECT_EQ(list->get_ToString(text.out()), S_OK);
  return text.utf8();
}

bool Exists(ICompatibleSNVTs* list, const char* id) {
  VARIANT_BOOL exists = VARIANT_TRUE;
  qcom::Bstr key(id);
  EXPECT_EQ(list->get_Exists(key.get(), &exists), S_OK);
  return exists != VARIANT_FALSE;
}

ComPtr<CDBCompatibleSNVTs> ListOf(const char* ids) {
  auto list = qcom::Make<CDBCompatibleSNVTs>();
  list->Add(ids);
  return list;
}

// The IDs an enumerator hands out, in order.
std::vector<std::string> Enumerated(ICompatibleSNVTs* list) {
  ComPtr<IUnknown> unknown;
  EXPECT_EQ(list->get__NewEnum(unknown.put()), S_OK);
  auto enumerator = unknown.As<IEnumVARIANT>();
  std::vector<std::string> ids;
  if (!enumerator) return ids;
  qcom::Variant item;
  while (enumerator->Next(1, item.out(), nullptr) == S_OK) {
    auto entry = qcom::QueryAs<ICompatibleSNVT>(item.object());
    qcom::Bstr id;
    if (entry) entry->get_ID(id.out());
    ids.push_back(id.utf8());
  }
  return ids;
}

}  // namespace

TEST(CompatibleSnvts, AddReadsFieldsUpToTheFirstEmptyOneAndSkipsRepeats) {
  EXPECT_EQ(ListOf("5,6,5")->ToText(), "5,6");
  EXPECT_EQ(ListOf("1,2,3,")->ToText(), "1,2,3") << "a trailing separator ends the list";
  EXPECT_EQ(ListOf("1,,2")->ToText(), "1") << "an empty field ends the list early";
  EXPECT_EQ(ListOf(",5")->ToText(), "");
  EXPECT_EQ(ListOf("")->Count(), 0u);
  EXPECT_EQ(ListOf("95")->ToText(), "95");
  EXPECT_EQ(ListOf("x1,X1,x2")->ToText(), "x1,x2") << "keys compare without regard to case";

  // Further lists append; numbers already present keep their place.
  auto list = ListOf("5,6");
  qcom::Bstr more("7,5,8");
  EXPECT_EQ(list->Add(more.get()), S_OK);
  EXPECT_EQ(Text(list.get()), "5,6,7,8");
  qcom::Bstr single("6");
  list->Add(single.get());
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
  qcom::Bstr id;
  entry->get_ID(id.out());
  EXPECT_EQ(id.utf8(), "105");
  for (LONG bad : {0, 4, -1}) {
    EXPECT_EQ(list->get_Item(bad, entry.put()), S_OK);
    EXPECT_FALSE(entry) << bad;
  }

  EXPECT_EQ(Enumerated(list.get()), (std::vector<std::string>{"83", "105", "22"}));
  EXPECT_TRUE(Exists(list.get(), "105"));
  EXPECT_FALSE(Exists(list.get(), "10"));
  VARIANT_BOOL exists = VARIANT_TRUE;
  EXPECT_EQ(list->get_Exists(nullptr, &exists), S_OK) << "a null text is the empty text";
  EXPECT_EQ(exists, VARIANT_FALSE);
}

TEST(CompatibleSnvts, RemoveOfAnAbsentIdIsAnErrorToTheCaller) {
  auto list = ListOf("5,6,7");
  qcom::Bstr six("6");
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
  EXPECT_EQ(mine->ToText(), "5,6") << "both lists stay as they were";
  EXPECT_EQ(other->ToText(), "6,7,5");

  ComPtr<ICompatibleSNVTs> none;
  ASSERT_EQ(mine->get_Merge(ListOf("1,2").get(), none.put()), S_OK);
  EXPECT_EQ(Text(none.get()), "");
  EXPECT_EQ(mine->get_Merge(nullptr, none.put()), E_INVALIDARG);
  EXPECT_FALSE(none);

  ComPtr<IDispatch> copy;
  ASSERT_EQ(qcom::QueryAs<IClonable>(mine.get())->Clone(copy.put()), S_OK);
  auto cloned = qcom::QueryAs<ICompatibleSNVTs>(copy.get());
  ASSERT_TRUE(cloned);
  EXPECT_NE(cloned.get(), static_cast<ICompatibleSNVTs*>(mine.get()));
  EXPECT_EQ(Text(cloned.get()), "5,6");
  qcom::Bstr five("5");
  cloned->Remove(five.get());
  EXPECT_EQ(Text(cloned.get()), "6");
  EXPECT_EQ(mine->ToText(), "5,6") << "the clone is a list of its own";
}
