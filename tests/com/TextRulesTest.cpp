#include "com/TextRules.h"

#include <gtest/gtest.h>

namespace text = qcom::text;

namespace {

TEST(TextRules, UpperAndLowerFollowTheFixedTable) {
  EXPECT_EQ(text::Upper("abc xyz 09_"), "ABC XYZ 09_");
  EXPECT_EQ(text::Lower("ABC XYZ 09_"), "abc xyz 09_");
  // Latin-1: every small letter has its capital; the signs between them do not move.
  EXPECT_EQ(text::Upper("àéîõüýþ÷ÿ"), "ÀÉÎÕÜÝÞ÷Ÿ");
  EXPECT_EQ(text::Lower("ÀÉÎÕÜÝÞ×Ÿ"), "àéîõüýþ×ÿ");
  EXPECT_EQ(text::Upper("ß"), "ß");  // no single-unit capital
  // Latin Extended-A pairs, including the runs with the capital on the odd code.
  EXPECT_EQ(text::Upper("āčłňőšźž"), "ĀČŁŇŐŠŹŽ");
  EXPECT_EQ(text::Lower("ĀČŁŇŐŠŹŽ"), "āčłňőšźž");
  EXPECT_EQ(text::Upper("ıĸ"), "ıĸ");  // no capital in the pair scheme
  EXPECT_EQ(text::Upper("ωжё"), "ΩЖЁ");
  EXPECT_EQ(text::Lower("ΩЖЁ"), "ωжё");
  EXPECT_EQ(text::UpperUnit(u'q'), u'Q');
  // Letter case never depends on the process locale and leaves other scripts alone.
  EXPECT_EQ(text::Upper("中文 \U0001F600"), "中文 \U0001F600");
}

TEST(TextRules, CompareNoCaseOrdersByUpperCaseUnits) {
  EXPECT_EQ(text::CompareNoCase("Straße", "STRAßE"), 0);
  EXPECT_TRUE(text::EqualsNoCase("Ölkännchen", "ÖLKÄNNCHEN"));
  EXPECT_FALSE(text::EqualsNoCase("abc", "abd"));
  EXPECT_LT(text::CompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(text::CompareNoCase("Zeta", "alpha"), 0);
  EXPECT_LT(text::CompareNoCase("ab", "AB1"), 0);  // a prefix first
  // Upper-cased, "_" (0x5F) sorts after the letters, as the file system orders names.
  EXPECT_GT(text::CompareNoCase("_x", "b"), 0);
  EXPECT_LT(text::CompareNoCase("[", "_"), 0);
  EXPECT_LT(text::CompareNoCase("z", "ä"), 0);
}

TEST(TextRules, LengthAndSlicesCountUtf16Units) {
  EXPECT_EQ(text::Length(""), 0u);
  EXPECT_EQ(text::Length("héllo"), 5u);
  EXPECT_EQ(text::Length("a\U0001F600b"), 4u);
  EXPECT_EQ(text::Left("héllo", 2), "hé");
  EXPECT_EQ(text::Left("ab", 10), "ab");
  EXPECT_EQ(text::Mid("a\U0001F600b", 3), "b");
  EXPECT_EQ(text::Mid("a\U0001F600b", 1, 2), "\U0001F600");
  EXPECT_EQ(text::Mid("€uro", 1, 2), "ur");
  EXPECT_EQ(text::Mid("abc", 3), "");
  EXPECT_EQ(text::Mid("abc", 1, 0), "");
  EXPECT_EQ(text::Trim("  a b  "), "a b");
  EXPECT_EQ(text::Trim("\ta "), "\ta");  // only spaces are blanks
  EXPECT_EQ(text::Trim("   "), "");
}

TEST(TextRules, AnsiByteUsesWindows1252) {
  const std::pair<char16_t, int> cases[] = {{u'A', 0x41}, {u'é', 0xE9}, {u'€', 0x80}, {u'Ÿ', 0x9F},
                                            {u'™', 0x99}, {u'中', '?'}, {u'Ω', '?'}};
  for (auto [unit, byte] : cases) EXPECT_EQ(text::AnsiByte(unit), byte) << int(unit);
}

TEST(TextRules, MatchesPatternWithWildcardsIgnoringCase) {
  EXPECT_TRUE(text::MatchesPattern("Report.XML", "*.xml"));
  EXPECT_TRUE(text::MatchesPattern("pb_AI8_de.pdf", "PB_ai8_*.PDF"));
  EXPECT_TRUE(text::MatchesPattern("a.txt", "?.TXT"));
  EXPECT_FALSE(text::MatchesPattern("ab.txt", "?.txt"));
  EXPECT_FALSE(text::MatchesPattern(".txt", "?.txt"));
  EXPECT_TRUE(text::MatchesPattern("", "*"));
  EXPECT_FALSE(text::MatchesPattern("", "?"));
  EXPECT_TRUE(text::MatchesPattern("abcabd", "a*b*d"));
  EXPECT_FALSE(text::MatchesPattern("abcabe", "a*b*d"));
  EXPECT_TRUE(text::MatchesPattern("Ölfile", "öL**"));
  EXPECT_FALSE(text::MatchesPattern("file.xml.bak", "*.xml"));
}

}  // namespace
