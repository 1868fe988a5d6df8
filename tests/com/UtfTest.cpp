#include "com/Utf.h"

#include <gtest/gtest.h>

namespace {

// Each bad byte of a sequence becomes one U+FFFD and reading goes on at the next byte.
TEST(Utf, ConvertsAtEveryBoundaryAndReplacesBadSequencesByteByByte) {
  const std::u16string bad3(3, u'\uFFFD'), bad4(4, u'\uFFFD');
  const struct {
    std::string_view utf8;
    std::u16string utf16;
    bool roundTrip;
  } cases[] = {
      {"a\u00E9\u20AC\U0001F600z", {u'a', 0xE9, 0x20AC, 0xD83D, 0xDE00, u'z'}, true},
      {"\x7F\xC2\x80\xDF\xBF", u"\x7F\u0080\u07FF", true},
      {"\xE0\xA0\x80\xEF\xBF\xBF", u"\u0800\uFFFF", true},
      {"\xF0\x90\x80\x80", {0xD800, 0xDC00}, true},
      {"\xF4\x8F\xBF\xBF", {0xDBFF, 0xDFFF}, true},
      {"\xE0\x9F\xBF", bad3, false},                            // U+07FF in three bytes
      {"\xF0\x8F\xBF\xBF", bad4, false},                        // U+FFFF in four bytes
      {"\xF4\x90\x80\x80", bad4, false},                        // beyond U+10FFFF
      {"\xF5\x80\x80\x80", bad4, false},                        // no such lead byte
      {"\xC0\xAF", u"\uFFFD\uFFFD", false},                     // overlong '/'
      {"\xED\xA0\x80ok", bad3 + u"ok", false},                  // an encoded surrogate
      {"\xFF\xC3(", u"\uFFFD\uFFFD(", false},                   // no continuation byte
      {std::string_view("ab\xC3\xA9", 3), u"ab\uFFFD", false},  // cut short at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.utf8)));
    EXPECT_EQ(qcom::ToUtf16(c.utf8), c.utf16);
    EXPECT_EQ(qcom::ValidUtf8Length(c.utf8) == c.utf8.size(), c.roundTrip);
    if (c.roundTrip) {
      EXPECT_EQ(qcom::ToUtf8(c.utf16), c.utf8);
    }
  }
  // Unpaired surrogates on the UTF-16 side.
  EXPECT_EQ(qcom::ToUtf8(u"\xD800x"), "\uFFFDx");
  EXPECT_EQ(qcom::ToUtf8(u"x\xDC00"), "x\uFFFD");
  EXPECT_EQ(qcom::ToUtf8(u"\xDBFF\xD800"), "\uFFFD\uFFFD");
}

}  // namespace
