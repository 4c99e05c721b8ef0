// Eight bytes of a text at a time, for scans that pass runs of plain bytes whole.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace wendax {

// The high bit of each of eight bytes.
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// The eight bytes at `from` as one word; FirstMarkedByte tells which of them a mark stands
// for on either byte order.
inline std::uint64_t LoadWord(const char* from) {
    std::uint64_t word;
    std::memcpy(&word, from, sizeof word);
    return word;
}

// Index in memory order of the first byte whose high bit is set in a nonzero `marks`
// (a word of LoadWord masked to kHighBits).
inline int FirstMarkedByte(std::uint64_t marks) {
    const int bit = std::endian::native == std::endian::little ? std::countr_zero(marks)
                                                               : std::countl_zero(marks);
    return bit / 8;
}

}  // namespace wendax
