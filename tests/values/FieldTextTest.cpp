#include "values/FieldText.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

TEST(FieldText, GetFieldNumbersFieldsFromZeroAndHandlesEdgeCases) {
  // text, index, separator, field; field 0 exists only before a separator.
  const std::tuple<const char*, int32_t, const char*, const char*> cases[] = {
      {"a,b,c", 0, ",", "a"}, {"a,b,c", 2, ",", "c"},   {"a,b,c", 3, ",", ""},
      {"abc", 0, ",", ""},    {"abc", 1, ",", ""},      {",b", 1, ",", "b"},
      {"a,,c", 1, ",", ""},   {"a:b::c", 1, "::", "c"}, {"é;中;x", 1, ";", "中"},
      {"a,b", -1, ",", ""},   {"a,b", 1, "", ""},       {"", 0, ",", ""}};
  for (const auto& [text, index, separator, field] : cases)
    EXPECT_EQ(values::GetField(text, index, separator), field) << text << " #" << index;
  EXPECT_EQ(values::GetField("a,b,c", std::numeric_limits<int32_t>::max(), ","), "");
}

TEST(FieldText, EnumNameOfMatchesWholeValuesEvenInIrregularTables) {
  // A key that is a prefix of another value, or the other way round, does not
  // match it; case counts; the last entry may lack its ";"; an entry without
  // "," names nothing.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"0", "0,OFF;1,ON;", "OFF"},    {"2", "0,OFF;1,ON;", ""}, {"1", "10,TEN;1,ONE;", "ONE"},
      {"10", "1,ONE;10,TEN;", "TEN"}, {"a", "A,UP;", ""},       {"", "0,OFF;1,ON;", ""},
      {"1", "0,OFF;1,ON", "ON"},      {"X", "X;1,ON;", ""},     {"1", "X;1,ON;", "ON"},
      {"1", ";;1,ON;", "ON"},         {"1", "1,A,B;", "A,B"}};
  for (const auto& [key, table, name] : cases)
    EXPECT_EQ(values::EnumNameOf(key, table), name) << key << " in " << table;
}
