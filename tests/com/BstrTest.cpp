#include "com/Bstr.h"

#include <gtest/gtest.h>

#include <cstring>

#include "com/Utf.h"

namespace {

uint32_t BytePrefix(BSTR s) {
  uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<const unsigned char*>(s) - sizeof bytes, sizeof bytes);
  return bytes;
}

TEST(Bstr, LengthPrefixTerminatorAndEmbeddedZeros) {
  const char16_t units[] = {u'a', 0, u'b'};
  BSTR s = SysAllocStringLen(units, 3);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(SysStringLen(s), 3u);
  EXPECT_EQ(BytePrefix(s), 6u);
  EXPECT_EQ(qcom::BstrView(s), std::u16string_view(units, 3));
  EXPECT_EQ(s[3], 0);  // terminated beyond the length
  EXPECT_EQ(qcom::BstrToUtf8(s), std::string("a\0b", 3));
  SysFreeString(s);

  // SysAllocString stops at the first zero; a null source gives zeroed units.
  BSTR shortened = SysAllocString(u"ab\0cd");
  EXPECT_EQ(SysStringLen(shortened), 2u);
  SysFreeString(shortened);
  BSTR zeros = SysAllocStringLen(nullptr, 4);
  EXPECT_EQ(qcom::BstrView(zeros), std::u16string(4, u'\0'));
  SysFreeString(zeros);
  // A length whose byte count does not fit the prefix is refused, not wrapped.
  EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
}

TEST(Bstr, NullIsTheEmptyText) {
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_TRUE(qcom::BstrView(nullptr).empty());
  EXPECT_EQ(qcom::BstrToUtf8(nullptr), "");
  SysFreeString(nullptr);
  // An empty text is a real, zero-length BSTR, distinct from null.
  qcom::Bstr empty("");
  EXPECT_NE(empty.get(), nullptr);
  EXPECT_EQ(empty.length(), 0u);
}

TEST(Bstr, OwnershipKeepsTheLiveCount) {
  const int64_t start = qcom::LiveBstrCount();
  {
    qcom::Bstr a("text");
    qcom::Bstr copy = a;
    EXPECT_NE(copy.get(), a.get());
    EXPECT_EQ(copy.utf8(), "text");
    qcom::Bstr moved = std::move(a);
    EXPECT_EQ(a.get(), nullptr);
    EXPECT_EQ(qcom::LiveBstrCount(), start + 2);

    BSTR raw = copy.detach();
    qcom::Bstr adopted = qcom::Bstr::Attach(raw);
    EXPECT_EQ(qcom::LiveBstrCount(), start + 2);

    // out() frees the old text before the callee writes a new one.
    EXPECT_EQ(qcom::ReturnText("first", adopted.out()), S_OK);
    EXPECT_EQ(qcom::ReturnText("second", adopted.out()), S_OK);
    EXPECT_EQ(adopted.utf8(), "second");
    EXPECT_EQ(qcom::ReturnText("x", nullptr), E_POINTER);
    moved = adopted;
    EXPECT_EQ(qcom::LiveBstrCount(), start + 2);
  }
  EXPECT_EQ(qcom::LiveBstrCount(), start);
}

TEST(Utf, RoundTripIncludingSurrogatePairs) {
  const std::string utf8 = "a\u00E9\u20AC\U0001F600z";
  const std::u16string utf16 = qcom::ToUtf16(utf8);
  EXPECT_EQ(utf16, std::u16string({u'a', 0xE9, 0x20AC, 0xD83D, 0xDE00, u'z'}));
  EXPECT_EQ(qcom::ToUtf8(utf16), utf8);

  qcom::Bstr b(utf8);
  EXPECT_EQ(b.length(), 6u);  // UTF-16 units, the emoji counts twice
  EXPECT_EQ(b.utf8(), utf8);
  EXPECT_EQ(qcom::Bstr(u"\U00010348").utf8(), "\U00010348");
}

TEST(Utf, InvalidSequencesBecomeReplacementCharacters) {
  EXPECT_EQ(qcom::ToUtf16("\xFF"), u"\uFFFD");
  EXPECT_EQ(qcom::ToUtf16("ab\xC3"), u"ab\uFFFD");        // cut short at the end
  EXPECT_EQ(qcom::ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong '/'
  // An encoded surrogate is not a character; the text after it survives.
  std::u16string s = qcom::ToUtf16("\xED\xA0\x80ok");
  ASSERT_GE(s.size(), 3u);
  EXPECT_EQ(s.front(), 0xFFFD);
  EXPECT_EQ(s.substr(s.size() - 2), u"ok");
  for (char16_t c : s) EXPECT_FALSE(c >= 0xD800 && c < 0xE000);

  // Unpaired surrogates on the UTF-16 side.
  EXPECT_EQ(qcom::ToUtf8(u"\xD800x"), "\uFFFDx");
  EXPECT_EQ(qcom::ToUtf8(u"x\xDC00"), "x\uFFFD");
  EXPECT_EQ(qcom::ToUtf8(std::u16string(1, char16_t(0xD83D))), "\uFFFD");
}

}  // namespace
