#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number rules of the system in one place.
namespace values {

// Locale-independent: the longest numeric prefix of the text (leading blanks,
// an optional sign, digits, one ".", an optional exponent), 0 when there is none.
// A magnitude too large for a double reads as infinite, one too small as 0.
double PlainParse(std::string_view text);

// The whole text (blanks around it allowed) as a number written with the user's
// decimal separator: an optional sign, digits with at most one separator, an
// optional exponent. nullopt for any other text, for an empty one and for a
// value outside the single range.
std::optional<float> LocaleParse(std::string_view text);
// The same at double precision (nullopt outside the double range).
std::optional<double> LocaleParseDouble(std::string_view text);

// The whole text (blanks around it allowed) as a number written with either
// decimal separator, the first "." (else the first ",") being the point: how
// the edit dialogs and the unit service read what a user types. nullopt for
// any other text and for a value beyond the double range.
std::optional<double> ReadNumberText(std::string_view text);

// A value text read as a number the way the object reads its own texts: by the
// locale parse when the user's decimal separator is not ".", else by the plain
// parse (which never fails).
std::optional<double> ReadUserNumber(std::string_view text);
// The same, but nullopt for a number beyond the double range, which the plain
// parse reads as infinite: a value the object keeps and writes back must be
// one it can read again.
std::optional<double> ReadFiniteUserNumber(std::string_view text);

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4); nullopt when the result
// does not fit the target width or the number is not finite.
std::optional<int32_t> RoundToInt32(double value);
std::optional<int16_t> RoundToInt16(double value);

// Nearest single; nullopt when the value is not finite or lies outside the
// single range.
std::optional<float> RoundToSingle(double value);

// The text of a single the user reads and writes: at most 7 significant digits,
// no trailing zeros, the user's decimal separator, and the exponent form
// (1E+07, 1.234568E+08, 1E-05) when the decimal exponent is below -4 or above 6.
std::string SingleText(float value);

// The text of a double in the user's number format: at most 15 significant
// digits, no trailing zeros, the user's decimal separator, the exponent form
// for decimal exponents below -4 or above 14.
std::string DoubleText(double value);

// The text of a double with at most `digits` significant digits, otherwise as
// DoubleText (no trailing zeros, the user's separator, the exponent form for
// decimal exponents below -4 or at least `digits`).
std::string SignificantText(double value, int digits);

// The text of a double as the engineering answers write it in every locale:
// at most `digits` significant digits, "." as the decimal point, otherwise as
// SignificantText; "NaN", "Infinity" and "-Infinity" for what is no number.
std::string PointNumberText(double value, int digits);

// The text of a double rounded to at most `decimals` digits after the user's
// decimal separator, without trailing zeros and never in the exponent form.
std::string DecimalText(double value, int decimals);

// The exact sum of a number written with the user's decimal separator (an
// exponent allowed) and an integer, in positional notation without trailing
// zeros and with the user's separator: 1E-30 + 32 is 32.000...0001, where a
// double would lose the small part. nullopt when the text is no number.
std::optional<std::string> ExactSum(std::string_view number, int64_t integer);

// Whether the process locale (LC_NUMERIC, as the host set it) writes one half
// with a decimal comma.
bool ProcessLocaleUsesDecimalComma();

}  // namespace values
