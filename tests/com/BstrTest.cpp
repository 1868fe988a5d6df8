#include "com/Bstr.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Bstr, LengthPrefixTerminatorEmbeddedZerosAndNull) {
  const char16_t units[] = {u'a', 0, u'b'};
  qcom::Bstr s = qcom::Bstr::Attach(SysAllocStringLen(units, 3));
  uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<const unsigned char*>(s.get()) - 4, 4);
  EXPECT_EQ(bytes, 6u);
  EXPECT_EQ(s.length(), 3u);
  EXPECT_EQ(s.get()[3], 0);  // terminated beyond the length
  EXPECT_EQ(s.utf8(), std::string("a\0b", 3));
  // SysAllocString stops at the first zero; a null source gives zeroed units.
  EXPECT_EQ(qcom::Bstr::Attach(SysAllocString(u"ab\0cd")).view(), u"ab");
  EXPECT_EQ(qcom::Bstr::Attach(SysAllocStringLen(nullptr, 2)).view(), std::u16string(2, u'\0'));
  // A length whose byte count does not fit the prefix is refused, not wrapped.
  EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);

  // Null is the empty text; an empty text is a real BSTR all the same.
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(qcom::BstrToUtf8(nullptr), "");
  EXPECT_NE(qcom::Bstr("").get(), nullptr);
  // Lengths count UTF-16 units: the emoji counts twice.
  EXPECT_EQ(qcom::Bstr("a\u00E9\U0001F600").length(), 4u);
  EXPECT_EQ(qcom::ReturnText("x", nullptr), E_POINTER);
}

}  // namespace
