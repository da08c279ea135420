#include "unicodetext.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace pondrel {

std::optional<std::u32string> decodeUtf8(std::string_view utf8Text)
{
    // ICU indexes with 32-bit integers.
    if (utf8Text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    std::u32string characters;
    characters.reserve(utf8Text.size());
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(utf8Text.data());
    const auto length = static_cast<std::int32_t>(utf8Text.size());
    std::int32_t offset = 0;
    while (offset < length) {
        UChar32 character;
        U8_NEXT(bytes, offset, length, character);
        if (character < 0) {
            return std::nullopt;
        }
        characters.push_back(static_cast<char32_t>(character));
    }
    return characters;
}

std::optional<int> digitValue(char32_t character)
{
    if (character >= U'0' && character <= U'9') {
        return static_cast<int>(character - U'0');
    }
    if (character > 0x10FFFF) {
        return std::nullopt;
    }
    const double value = u_getNumericValue(static_cast<UChar32>(character));
    if (value == U_NO_NUMERIC_VALUE || value < 0 || value > 9 || value != std::floor(value)) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace pondrel
