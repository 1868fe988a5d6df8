#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace values {

// Field `index` (from 0) of a separated list. Field 0 is the text before the
// first separator and exists only when there is a separator ("abc" has none);
// field k > 0 runs from the k-th separator to the next one or to the end.
// "a,b,c" gives a, b, c for 0, 1, 2 and "" for 3. An empty text, a negative
// index or an empty separator gives "".
std::string GetField(std::string_view text, int32_t index, std::string_view separator);

// The name of the enumeration member `key` in an enumeration table made of
// entries value "," name ";" ("0,OFF;1,ON;"). Values compare exactly, so "1"
// does not match "10". The last entry's name may run to the end of the table;
// an entry without "," names nothing. No match (or an empty key) gives "".
std::string EnumNameOf(std::string_view key, std::string_view enumDesc);

// The members of such a table in order, read as EnumNameOf reads it.
struct EnumMember {
  std::string code;
  std::string name;
};
std::vector<EnumMember> EnumMembers(std::string_view enumDesc);

}  // namespace values
