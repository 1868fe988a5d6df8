#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace qxml {

// The first character an XML 1.0 document cannot hold, in text or in an
// attribute, even escaped: a control character other than tab, line feed and
// carriage return, or U+FFFE or U+FFFF. Nothing when every character may
// appear. The text is UTF-8.
inline std::optional<char32_t> FirstNonXmlCharacter(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return c;
    // U+FFFE and U+FFFF are EF BF BE and EF BF BF.
    if (c == 0xEF && utf8.substr(i + 1, 1) == "\xBF" && i + 2 < utf8.size() &&
        (utf8[i + 2] == '\xBE' || utf8[i + 2] == '\xBF'))
      return utf8[i + 2] == '\xBE' ? 0xFFFE : 0xFFFF;
  }
  return std::nullopt;
}

// "U+001B", how messages name a character.
inline std::string CharacterName(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// Why a text cannot go into an XML file ("it holds the character U+001B,
// which XML cannot hold"); empty when it can.
inline std::string NonXmlCharacterProblem(std::string_view utf8) {
  auto c = FirstNonXmlCharacter(utf8);
  return c ? "it holds the character " + CharacterName(*c) + ", which XML cannot hold" : "";
}

}  // namespace qxml
