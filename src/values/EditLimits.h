#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "com/TextRules.h"

// The limits the numeric and text edit dialogs hold a value to before they
// write it, and what they say when a value breaks one. The host tool checks
// the values it is given by the same rules and in the same words; it links
// none of the model, so the rules stay in this header.
namespace values {

// A number beyond one of its type's limits: the numeric dialog's message and
// the limit it puts back in its text box.
struct LimitBreach {
  std::string message;
  std::string limit;
};

// The limit a number breaks; min and max are in display form, an empty one
// is no limit, and readNumber reads a display text as the unit service does.
template <class ReadNumber>
std::optional<LimitBreach> BreachedLimit(const std::string& text, const std::string& min,
                                         const std::string& max, ReadNumber readNumber) {
  if (!min.empty() && readNumber(text) < readNumber(min))
    return LimitBreach{"The value is less than " + min, min};
  if (max.empty() || readNumber(text) <= readNumber(max)) return std::nullopt;
  return LimitBreach{"The value is greater than " + max, max};
}

// The text dialog's message for a text longer than its type's length in
// characters, counted as the text box counts them; empty when it fits.
inline std::string TextTooLong(std::string_view text, int32_t length) {
  if (length < 0 || qcom::text::Length(text) <= static_cast<size_t>(length)) return {};
  return "The text cannot exceed " + std::to_string(length) + " characters";
}

}  // namespace values
