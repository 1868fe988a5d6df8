#include "com/ErrorRecord.h"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

namespace {

auto Fields(const std::optional<qcom::ErrorRecord>& r) {
  return r ? std::make_tuple(r->number, r->source, r->description)
           : std::make_tuple(S_OK, std::string("(none)"), std::string());
}

TEST(ErrorRecord, BelongsToOneThreadAndIsReplacedByTheLatestError) {
  qcom::SetErrorRecord(E_FAIL, "main", "set on the main thread");

  std::optional<qcom::ErrorRecord> seenByOther, otherOwn;
  std::thread other([&] {
    seenByOther = qcom::PeekErrorRecord();
    qcom::SetErrorRecord(E_INVALIDARG, "other", "set on the other thread");
    otherOwn = qcom::TakeErrorRecord();
  });
  other.join();
  EXPECT_FALSE(seenByOther);
  EXPECT_EQ(Fields(otherOwn), std::make_tuple(E_INVALIDARG, "other", "set on the other thread"));

  // Peek keeps the record, Take hands it over once; RecordError replaces it and returns its number.
  EXPECT_EQ(Fields(qcom::PeekErrorRecord()),
            std::make_tuple(E_FAIL, "main", "set on the main thread"));
  EXPECT_EQ(qcom::RecordError(CO_E_ERRORINDLL, "qcom", "no entry point"), CO_E_ERRORINDLL);
  EXPECT_EQ(Fields(qcom::TakeErrorRecord()),
            std::make_tuple(CO_E_ERRORINDLL, "qcom", "no entry point"));
  EXPECT_FALSE(qcom::TakeErrorRecord());

  qcom::SetErrorRecord(E_FAIL, "earlier", "left by an earlier call");
  qcom::ClearErrorRecord();
  EXPECT_FALSE(qcom::PeekErrorRecord());
  EXPECT_EQ(qcom::HresultText(REGDB_E_CLASSNOTREG), "0x80040154");
}

TEST(ErrorRecord, CInterfaceHandsOutBstrsAndClears) {
  const int64_t start = qcom::LiveBstrCount();
  {
    qcom::Bstr source("Vendor.Thing"), description("Datei fehlt: ü");
    EXPECT_EQ(QcSetErrorInfo(SELFREG_E_CLASS, source.get(), description.get()), S_OK);
    HRESULT number = S_OK;
    qcom::Bstr gotSource, gotDescription;
    EXPECT_EQ(QcGetErrorInfo(&number, gotSource.out(), gotDescription.out()), S_OK);
    EXPECT_EQ(std::make_tuple(number, gotSource.utf8(), gotDescription.utf8()),
              std::make_tuple(SELFREG_E_CLASS, "Vendor.Thing", "Datei fehlt: ü"));
    EXPECT_EQ(QcGetErrorInfo(&number, gotSource.out(), gotDescription.out()), S_FALSE);
    EXPECT_EQ(std::make_tuple(number, gotSource.get(), gotDescription.get()),
              std::make_tuple(S_OK, nullptr, nullptr));
  }
  EXPECT_EQ(qcom::LiveBstrCount(), start);
}

}  // namespace
