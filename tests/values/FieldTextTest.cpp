#include "values/FieldText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FieldText, GetFieldNumbersFieldsFromZero) {
  EXPECT_EQ(values::GetField("a,b,c", 0, ","), "a");
  EXPECT_EQ(values::GetField("a,b,c", 1, ","), "b");
  EXPECT_EQ(values::GetField("a,b,c", 2, ","), "c");
  EXPECT_EQ(values::GetField("a,b,c", 3, ","), "");
  EXPECT_EQ(values::GetField("a,b,c", std::numeric_limits<int32_t>::max(), ","), "");
  // Field 0 exists only before a separator.
  EXPECT_EQ(values::GetField("abc", 0, ","), "");
  EXPECT_EQ(values::GetField("abc", 1, ","), "");
}

TEST(FieldText, GetFieldEdgeCases) {
  EXPECT_EQ(values::GetField("", 0, ","), "");
  EXPECT_EQ(values::GetField(",b", 0, ","), "");
  EXPECT_EQ(values::GetField(",b", 1, ","), "b");
  EXPECT_EQ(values::GetField("a,,c", 1, ","), "");
  EXPECT_EQ(values::GetField("a,,c", 2, ","), "c");
  EXPECT_EQ(values::GetField("a,b,", 2, ","), "");
  EXPECT_EQ(values::GetField("a::b::c", 2, "::"), "c");
  EXPECT_EQ(values::GetField("a:b::c", 1, "::"), "c");
  EXPECT_EQ(values::GetField("é;中;x", 1, ";"), "中");
  EXPECT_EQ(values::GetField("a,b", -1, ","), "");
  EXPECT_EQ(values::GetField("a,b", 1, ""), "");
}

TEST(FieldText, EnumNameOfMatchesWholeValues) {
  EXPECT_EQ(values::EnumNameOf("1", "0,OFF;1,ON;"), "ON");
  EXPECT_EQ(values::EnumNameOf("0", "0,OFF;1,ON;"), "OFF");
  EXPECT_EQ(values::EnumNameOf("2", "0,OFF;1,ON;"), "");
  // A key that is a prefix of another value, or the other way round, does not match it.
  EXPECT_EQ(values::EnumNameOf("1", "10,TEN;1,ONE;"), "ONE");
  EXPECT_EQ(values::EnumNameOf("10", "1,ONE;10,TEN;"), "TEN");
  EXPECT_EQ(values::EnumNameOf("1", "10,TEN;"), "");
  EXPECT_EQ(values::EnumNameOf("10", "1,ONE;"), "");
  EXPECT_EQ(values::EnumNameOf("a", "A,UP;"), "");  // case counts
}

TEST(FieldText, EnumNameOfOnIrregularTables) {
  EXPECT_EQ(values::EnumNameOf("", "0,OFF;1,ON;"), "");
  EXPECT_EQ(values::EnumNameOf("1", ""), "");
  EXPECT_EQ(values::EnumNameOf("1", "0,OFF;1,ON"), "ON");  // last entry without ";"
  EXPECT_EQ(values::EnumNameOf("1", "1,;"), "");
  EXPECT_EQ(values::EnumNameOf("X", "X;1,ON;"), "");  // an entry without "," names nothing
  EXPECT_EQ(values::EnumNameOf("1", "X;1,ON;"), "ON");
  EXPECT_EQ(values::EnumNameOf("1", ";;1,ON;"), "ON");
  EXPECT_EQ(values::EnumNameOf("1", "1,A,B;"), "A,B");
}

}  // namespace
