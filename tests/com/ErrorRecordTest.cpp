#include "com/ErrorRecord.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(ErrorRecord, BelongsToOneThreadAndIsReplacedByTheLatestError) {
  qcom::ClearErrorRecord();
  qcom::SetErrorRecord(E_FAIL, "main", "set on the main thread");

  std::optional<qcom::ErrorRecord> seenByOther;
  std::optional<qcom::ErrorRecord> otherOwn;
  std::thread other([&] {
    seenByOther = qcom::PeekErrorRecord();
    qcom::SetErrorRecord(E_INVALIDARG, "other", "set on the other thread");
    otherOwn = qcom::TakeErrorRecord();
  });
  other.join();
  EXPECT_FALSE(seenByOther);
  ASSERT_TRUE(otherOwn);
  EXPECT_EQ(otherOwn->number, E_INVALIDARG);

  // Peek keeps the record, Take hands it over once.
  auto peeked = qcom::PeekErrorRecord();
  ASSERT_TRUE(peeked);
  EXPECT_EQ(peeked->description, "set on the main thread");
  auto taken = qcom::TakeErrorRecord();
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->number, E_FAIL);
  EXPECT_EQ(taken->source, "main");
  EXPECT_FALSE(qcom::TakeErrorRecord());

  qcom::SetErrorRecord(E_FAIL, "a", "b");
  qcom::ClearErrorRecord();
  EXPECT_FALSE(qcom::PeekErrorRecord());

  // RecordError replaces the record and returns its number.
  qcom::SetErrorRecord(E_FAIL, "earlier", "left by an earlier call");
  EXPECT_EQ(qcom::RecordError(CO_E_ERRORINDLL, "qcom", "library /x.so has no entry point"),
            CO_E_ERRORINDLL);
  auto record = qcom::TakeErrorRecord();
  ASSERT_TRUE(record);
  EXPECT_EQ(record->number, CO_E_ERRORINDLL);
  EXPECT_EQ(record->source, "qcom");
  EXPECT_EQ(record->description, "library /x.so has no entry point");
  EXPECT_FALSE(qcom::PeekErrorRecord());
}

TEST(ErrorRecord, HresultTextIsEightUpperCaseHexDigits) {
  EXPECT_EQ(qcom::HresultText(REGDB_E_CLASSNOTREG), "0x80040154");
  EXPECT_EQ(qcom::HresultText(CO_E_DLLNOTFOUND), "0x8004F002");
  EXPECT_EQ(qcom::HresultText(S_OK), "0x00000000");
  EXPECT_EQ(qcom::HresultText(S_FALSE), "0x00000001");
}

TEST(ErrorRecord, CInterfaceHandsOutBstrsAndClears) {
  const int64_t start = qcom::LiveBstrCount();
  qcom::Bstr source("Vendor.Thing"), description("Datei fehlt: ü");
  EXPECT_EQ(QcSetErrorInfo(SELFREG_E_CLASS, source.get(), description.get()), S_OK);

  HRESULT number = S_OK;
  qcom::Bstr gotSource, gotDescription;
  EXPECT_EQ(QcGetErrorInfo(&number, gotSource.out(), gotDescription.out()), S_OK);
  EXPECT_EQ(number, SELFREG_E_CLASS);
  EXPECT_EQ(gotSource.utf8(), "Vendor.Thing");
  EXPECT_EQ(gotDescription.utf8(), "Datei fehlt: ü");

  EXPECT_EQ(QcGetErrorInfo(&number, gotSource.out(), gotDescription.out()), S_FALSE);
  EXPECT_EQ(number, S_OK);
  EXPECT_EQ(gotSource.get(), nullptr);
  EXPECT_EQ(gotDescription.get(), nullptr);
  source = qcom::Bstr();
  description = qcom::Bstr();
  EXPECT_EQ(qcom::LiveBstrCount(), start);
}

}  // namespace
