#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pondrel {

// The characters (Unicode code points) of UTF-8 text, or nothing when the
// text is not valid UTF-8 (stray, truncated or overlong sequences, encoded
// surrogates).
std::optional<std::u32string> decodeUtf8(std::string_view utf8Text);

// The value of a character that stands for a whole number from 0 to 9 in any
// script: "7", an Arabic-Indic seven and a full-width seven are all 7.
// Nothing for any other character, numerals above 9 (a Roman twelve) and
// fractions (one half) included.
std::optional<int> digitValue(char32_t character);

} // namespace pondrel
