#include "com/ErrorRecord.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

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
