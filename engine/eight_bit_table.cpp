#include "engine/eight_bit_table.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/char_set.h"

namespace wendax {

namespace {

constexpr std::array<char16_t, 32> kHighControlRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

using TInverseEntry = std::pair<char32_t, std::uint8_t>;

// (character, byte) for the 32 bytes 0x80-0x9F, sorted by character.
std::array<TInverseEntry, 32> MakeInverse() {
    std::array<TInverseEntry, 32> inverse{};
    for (int i = 0; i < 32; ++i)
        inverse[static_cast<std::size_t>(i)] = {kHighControlRow[static_cast<std::size_t>(i)],
                                                static_cast<std::uint8_t>(0x80 + i)};
    std::sort(inverse.begin(), inverse.end());
    return inverse;
}

}  // namespace

char32_t EightBitChar(std::uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControlRow[byte - 0x80] : char32_t{byte};
}

std::optional<std::uint8_t> EightBitByte(char32_t code) {
    static const std::array<TInverseEntry, 32> inverse = MakeInverse();
    if (code == 0) return std::nullopt;
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<std::uint8_t>(code);
    const auto it = std::lower_bound(inverse.begin(), inverse.end(), TInverseEntry{code, 0});
    if (it == inverse.end() || it->first != code) return std::nullopt;
    return it->second;
}

std::string EightBitToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        AppendUtf8(out, EightBitChar(static_cast<std::uint8_t>(byte)));
    return out;
}

bool Utf8ToEightBit(std::string_view utf8, std::string& out, char32_t& missing) {
    out.clear();
    out.reserve(utf8.size());
    for (std::int32_t at = 0; at < static_cast<std::int32_t>(utf8.size());) {
        const TCodePoint cp = DecodeUtf8(utf8, at);
        const std::optional<std::uint8_t> byte =
            cp.Valid ? EightBitByte(cp.Code) : std::optional<std::uint8_t>{};
        if (!byte) {
            missing = cp.Valid ? cp.Code : U'\uFFFD';
            return false;
        }
        out += static_cast<char>(*byte);
        at += cp.Bytes;
    }
    return true;
}

}  // namespace wendax
