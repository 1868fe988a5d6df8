#include "com/TextRules.h"

#include <gtest/gtest.h>

namespace text = qcom::text;

namespace {

TEST(TextRules, UpperAndLowerFollowTheFixedTable) {
  // Small letters and their capitals, at the ends of every range; each side is
  // left alone by the mapping towards itself.
  const std::pair<const char*, const char*> pairs[] = {
      {"abc xyz 09_", "ABC XYZ 09_"},
      {"àéîõüýþÿ", "ÀÉÎÕÜÝÞŸ"},
      // Latin Extended-A, including the runs with the capital on the odd code.
      {"āčĺłňőšźž", "ĀČĹŁŇŐŠŹŽ"},
      {"αω", "ΑΩ"},
      {"аяѐёџ", "АЯЀЁЏ"},
  };
  for (auto [small, capital] : pairs) {
    SCOPED_TRACE(small);
    EXPECT_EQ(text::Upper(small), capital);
    EXPECT_EQ(text::Lower(capital), small);
    EXPECT_EQ(text::Upper(capital), capital);
    EXPECT_EQ(text::Lower(small), small);
  }
  // No single-unit partner, signs between the letters, other scripts: unchanged
  // either way, whatever the process locale.
  const std::string same = "@[`{ ÷× ß İıĸŉſ ς 中文 \U0001F600";
  EXPECT_EQ(text::Upper(same), same);
  EXPECT_EQ(text::Lower(same), same);
  EXPECT_EQ(text::UpperUnit(u'q'), u'Q');
}

TEST(TextRules, CompareNoCaseOrdersByUpperCaseUnits) {
  EXPECT_EQ(text::CompareNoCase("Straße", "STRAßE"), 0);
  EXPECT_TRUE(text::EqualsNoCase("Ölkännchen", "ÖLKÄNNCHEN"));
  EXPECT_FALSE(text::EqualsNoCase("abc", "abd"));
  EXPECT_LT(text::CompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(text::CompareNoCase("Zeta", "alpha"), 0);
  EXPECT_LT(text::CompareNoCase("ab", "AB1"), 0);  // a prefix first
  EXPECT_GT(text::CompareNoCase("AB1", "ab"), 0);
  // Upper-cased, "_" (0x5F) sorts after the letters, as the file system orders names.
  EXPECT_GT(text::CompareNoCase("_x", "b"), 0);
  EXPECT_LT(text::CompareNoCase("[", "_"), 0);
  EXPECT_LT(text::CompareNoCase("z", "ä"), 0);
}

TEST(TextRules, LengthAndSlicesCountUtf16Units) {
  EXPECT_EQ(text::Length("a\U0001F600b"), 4u);
  EXPECT_EQ(text::Left("héllo", 2), "hé");
  EXPECT_EQ(text::Mid("a\U0001F600b", 1, 2), "\U0001F600");
  EXPECT_EQ(text::Mid("a\U0001F600b", 3), "b");
  EXPECT_EQ(text::Mid("abc", 3), "");
  EXPECT_EQ(text::Trim("  a b  "), "a b");
  EXPECT_EQ(text::Trim("\ta "), "\ta");  // only spaces are blanks
  EXPECT_EQ(text::Trim("   "), "");
}

TEST(TextRules, AnsiByteUsesWindows1252) {
  const std::pair<char16_t, int> cases[] = {{u'A', 0x41}, {0x7F, 0x7F}, {0xA0, 0xA0}, {u'ÿ', 0xFF},
                                            {u'€', 0x80}, {u'Ÿ', 0x9F}, {u'ž', 0x9E}, {u'™', 0x99},
                                            {0x81, '?'},  {u'中', '?'}};
  for (auto [unit, byte] : cases) EXPECT_EQ(text::AnsiByte(unit), byte) << int(unit);
}

// Folder listings pin the common patterns; these are the edges of the matcher.
TEST(TextRules, MatchesPatternWithWildcardsIgnoringCase) {
  EXPECT_TRUE(text::MatchesPattern("", "*"));
  EXPECT_FALSE(text::MatchesPattern("", "?"));
  EXPECT_FALSE(text::MatchesPattern(".txt", "?.txt"));
  EXPECT_TRUE(text::MatchesPattern("abcabd", "a*b*d"));
  EXPECT_FALSE(text::MatchesPattern("abcabe", "a*b*d"));
  EXPECT_TRUE(text::MatchesPattern("Ölfile", "öL**"));
  EXPECT_FALSE(text::MatchesPattern("file.xml.bak", "*.xml"));
}

}  // namespace
