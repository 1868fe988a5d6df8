#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "com/Api.h"

// The text rules of the system in one place. Texts are UTF-8 inside; every rule
// that counts characters counts UTF-16 code units, as the interfaces do, and
// letter case follows one fixed table, independent of the process locale.
namespace qcom::text {

QCOM_API char16_t UpperUnit(char16_t c);
QCOM_API std::string Upper(std::string_view s);
QCOM_API std::string Lower(std::string_view s);
QCOM_API bool EqualsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0 in the order of the upper-cased UTF-16 units (the file system's order).
QCOM_API int CompareNoCase(std::string_view a, std::string_view b);

// Length in UTF-16 code units.
QCOM_API size_t Length(std::string_view s);
// First n units, and n units from the 0-based unit position start.
QCOM_API std::string Left(std::string_view s, size_t n);
QCOM_API std::string Mid(std::string_view s, size_t start, size_t n = std::string_view::npos);

// Without leading and trailing blanks (spaces only, as the system trims).
QCOM_API std::string Trim(std::string_view s);

// The byte of a character in the ANSI code page (Windows-1252), '?' outside it.
QCOM_API uint8_t AnsiByte(char16_t c);
// The character of a byte of the ANSI code page; '?' for the five it leaves unassigned.
QCOM_API char16_t AnsiCharacter(uint8_t byte);

// Matches a file name against a pattern with "*" and "?", ignoring letter case.
QCOM_API bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace qcom::text
