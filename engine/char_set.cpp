#include "engine/char_set.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/byte_words.h"
#include "engine/word_delimiters.h"

namespace wendax {

namespace {

struct TCodeRange {
    char32_t First;
    char32_t Last;
};

#include "engine/unicode_tables.inc"

template <std::size_t N>
bool InRanges(const TCodeRange (&ranges)[N], char32_t code) {
    const TCodeRange* end = ranges + N;
    const TCodeRange* found = std::upper_bound(
        ranges, end, code, [](char32_t c, const TCodeRange& r) { return c < r.First; });
    return found != ranges && code <= found[-1].Last;
}

std::uint8_t ByteAt(std::string_view text, std::int32_t at) {
    return static_cast<std::uint8_t>(text[static_cast<std::size_t>(at)]);
}

bool IsContinuation(std::uint8_t b) {
    return (b & 0xC0) == 0x80;
}

// Bytes of the valid UTF-8 sequence at `at` whose lead byte is above 127, or 0 when it is
// invalid: each length is tested on its own, the two-byte form (U+0080 up, as 0xC2 is the
// least lead) without a range test.
inline std::int32_t SequenceLength(std::string_view text, std::int32_t at) {
    const auto left = static_cast<std::int32_t>(text.size()) - at;
    const std::uint8_t b0 = ByteAt(text, at);
    if (b0 < 0xC2) return 0;
    if (left < 2 || !IsContinuation(ByteAt(text, at + 1))) return 0;
    if (b0 < 0xE0) return 2;
    const std::uint8_t b1 = ByteAt(text, at + 1);
    if (left < 3 || !IsContinuation(ByteAt(text, at + 2))) return 0;
    if (b0 < 0xF0) {
        if (b0 == 0xE0 && b1 < 0xA0) return 0;   // overlong
        if (b0 == 0xED && b1 >= 0xA0) return 0;  // a surrogate
        return 3;
    }
    if (left < 4 || !IsContinuation(ByteAt(text, at + 3))) return 0;
    if (b0 == 0xF0 && b1 < 0x90) return 0;                  // overlong
    if (b0 > 0xF4 || (b0 == 0xF4 && b1 >= 0x90)) return 0;  // beyond U+10FFFF
    return 4;
}

// The code point of the valid sequence of `bytes` (2 to 4) bytes at `at`.
inline char32_t SequenceCode(std::string_view text, std::int32_t at, std::int32_t bytes) {
    char32_t code = ByteAt(text, at) & (0x7Fu >> bytes);
    for (std::int32_t i = 1; i < bytes; ++i)
        code = code << 6 | (ByteAt(text, at + i) & 0x3Fu);
    return code;
}

// The first byte of the UTF-8 form of `code`.
constexpr std::uint8_t LeadByte(char32_t code) {
    if (code < 0x80) return static_cast<std::uint8_t>(code);
    if (code < 0x800) return static_cast<std::uint8_t>(0xC0 | (code >> 6));
    if (code < 0x10000) return static_cast<std::uint8_t>(0xE0 | (code >> 12));
    return static_cast<std::uint8_t>(0xF0 | (code >> 18));
}

// The bytes that can begin a zero-cell code point. A character ends before any other byte
// without decoding what follows it, which is what makes walking most scripts cheap.
constexpr std::array<bool, 256> ZeroCellLeads() {
    std::array<bool, 256> leads{};
    for (const TCodeRange& range : kZeroCellRanges)
        for (char32_t code = range.First; code <= range.Last; ++code)
            leads[LeadByte(code)] = true;
    return leads;
}

constexpr std::array<bool, 256> kZeroCellLeads = ZeroCellLeads();

// Start of the code point holding byte `at` (< size): the lead byte up to three bytes back
// whose valid sequence covers `at`, else `at` itself (a byte of an invalid sequence).
std::int32_t CodePointStart(std::string_view text, std::int32_t at) {
    if (!IsContinuation(ByteAt(text, at))) return at;
    for (std::int32_t lead = at - 1; lead >= 0 && lead >= at - 3; --lead) {
        if (IsContinuation(ByteAt(text, lead))) continue;
        const TCodePoint cp = DecodeUtf8(text, lead);
        return cp.Valid && lead + cp.Bytes > at ? lead : at;
    }
    return at;
}

// Bytes of the zero-cell code point at `at`, or 0 when there is none.
std::int32_t ZeroCellBytesAt(std::string_view text, std::int32_t at) {
    if (!kZeroCellLeads[ByteAt(text, at)]) return 0;
    const std::int32_t bytes = SequenceLength(text, at);
    return bytes != 0 && CodeCells(SequenceCode(text, at, bytes)) == 0 ? bytes : 0;
}

bool IsZeroCellAt(std::string_view text, std::int32_t at) {
    return ZeroCellBytesAt(text, at) != 0;
}

// The high bit of each of the 8 bytes of `word` that is a tab or above 127. The sum cannot
// carry from one byte into the next: (t & 0x7F) + 0x7F has its high bit clear only for 0.
std::uint64_t TabOrHighBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow = ~kHighBits;
    const std::uint64_t t = word ^ 0x0909090909090909ULL;  // a tab byte becomes 0
    return (word | ~(((t & kLow) + kLow) | t)) & kHighBits;
}

// Number of bytes, at most `limit`, from `from` that are neither a tab nor above 127.
std::int32_t PlainRun(const char* from, std::int32_t limit) {
    std::int32_t n = 0;
    for (; n + 8 <= limit; n += 8) {
        if (const std::uint64_t marks = TabOrHighBytes(LoadWord(from + n)))
            return n + FirstMarkedByte(marks);
    }
    while (n < limit && from[n] != '\t' && static_cast<unsigned char>(from[n]) < 0x80)
        ++n;
    return n;
}

// Number of bytes, at most `limit`, from `from` up to the next tab.
std::int32_t TabFreeBytes(const char* from, std::int32_t limit) {
    const void* tab = std::memchr(from, '\t', static_cast<std::size_t>(limit));
    return tab == nullptr ? limit : static_cast<std::int32_t>(static_cast<const char*>(tab) - from);
}

// End of the UTF-8 character beginning at `at` (its code point and the zero-cell ones after
// it), its cells into `cells`.
inline std::int32_t Utf8CharEnd(std::string_view text, std::int32_t at, std::int32_t& cells) {
    const auto size = static_cast<std::int32_t>(text.size());
    const std::int32_t bytes = ByteAt(text, at) < 0x80 ? 1 : SequenceLength(text, at);
    cells = bytes > 1 ? std::max(CodeCells(SequenceCode(text, at, bytes)), 1) : 1;
    std::int32_t end = at + std::max(bytes, 1);
    while (end < size && kZeroCellLeads[ByteAt(text, end)]) {
        const std::int32_t mark = ZeroCellBytesAt(text, end);
        if (mark == 0) break;
        end += mark;
    }
    return end;
}

}  // namespace

// The scans of this file use SequenceLength and SequenceCode instead, which keep their
// results in registers.
TCodePoint DecodeUtf8(std::string_view text, std::int32_t at) {
    const std::uint8_t b0 = ByteAt(text, at);
    if (b0 < 0x80) return {b0, 1, true};
    const std::int32_t bytes = SequenceLength(text, at);
    if (bytes == 0) return {b0, 1, false};
    return {SequenceCode(text, at, bytes), bytes, true};
}

void AppendUtf8(std::string& out, char32_t code) {
    const auto put = [&out](char32_t v) { out += static_cast<char>(v); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6)), put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12)), put(0x80 | ((code >> 6) & 0x3F)), put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18)), put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F)), put(0x80 | (code & 0x3F));
    }
}

// ASCII eight bytes at a time (one at a time in the last seven) up to the first byte above
// 127, then the sequences that follow one another from there.
bool IsValidUtf8(std::string_view text) {
    const auto size = static_cast<std::int32_t>(text.size());
    std::int32_t at = 0;
    while (at < size) {
        if (at + 8 <= size) {
            const std::uint64_t high = LoadWord(text.data() + at) & kHighBits;
            if (high == 0) {
                at += 8;
                continue;
            }
            at += FirstMarkedByte(high);
        } else if (ByteAt(text, at) < 0x80) {
            ++at;
            continue;
        }
        do {
            const std::int32_t bytes = SequenceLength(text, at);
            if (bytes == 0) return false;
            at += bytes;
        } while (at < size && ByteAt(text, at) >= 0x80);
    }
    return true;
}

// The blocks most text is written in are answered before the table searches: Greek and
// Cyrillic letters (their only marks are U+0483..U+0489), and the CJK ideographs and Hangul
// syllables, all wide.
std::int32_t CodeCells(char32_t code) {
    if (code < 0x300) return 1;
    if (code >= 0x370 && code <= 0x4FF) return code >= 0x483 && code <= 0x489 ? 0 : 1;
    if ((code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
        (code >= 0xAC00 && code <= 0xD7A3))
        return 2;
    if (InRanges(kZeroCellRanges, code)) return 0;
    return code >= 0x1100 && InRanges(kWideRanges, code) ? 2 : 1;
}

bool IsWordCode(char32_t code) {
    if (code < 0x80) return IsWordChar(static_cast<char>(code));
    return InRanges(kWordRanges, code);
}

char32_t UpperCaseCode(char32_t code) {
    return code < 0x500 ? kUpperBelow0500[code] : code;
}

TCharExtent CharAt(TCharSet set, std::string_view text, std::int32_t at) {
    const auto size = static_cast<std::int32_t>(text.size());
    const std::uint8_t b = ByteAt(text, at);
    if (set == chEightBit || (b < 0x80 && (at + 1 == size || ByteAt(text, at + 1) < 0x80)))
        return {at, at + 1, 1};
    std::int32_t cells = 1;
    const std::int32_t end = Utf8CharEnd(text, at, cells);
    return {at, end, cells};
}

std::int32_t PassChars(TCharSet set, std::string_view text, std::int32_t at, std::int32_t limit,
                       std::int32_t& width) {
    const auto size = static_cast<std::int32_t>(text.size());
    if (set == chEightBit) {
        const std::int32_t passed =
            TabFreeBytes(text.data() + at, std::min(size - at, std::max(limit - 1 - width, 0)));
        width += passed;
        return at + passed;
    }
    while (at < size && width + 1 < limit) {
        const std::uint8_t b = ByteAt(text, at);
        if (b == '\t') break;
        if (b < 0x80) {
            std::int32_t run = PlainRun(text.data() + at, std::min(size - at, limit - 1 - width));
            // The last byte of the run takes the marks after it, in the step below.
            if (at + run < size && ZeroCellBytesAt(text, at + run) != 0) --run;
            if (run > 0) {
                width += run;
                at += run;
                continue;
            }
        }
        std::int32_t cells = 1;
        const std::int32_t end = Utf8CharEnd(text, at, cells);
        if (width + cells >= limit) break;
        width += cells;
        at = end;
    }
    return at;
}

std::int32_t CharStart(TCharSet set, std::string_view text, std::int32_t at) {
    if (set == chEightBit || at >= static_cast<std::int32_t>(text.size())) return at;
    std::int32_t start = CodePointStart(text, at);
    while (start > 0 && IsZeroCellAt(text, start))
        start = CodePointStart(text, start - 1);
    return start;
}

std::int32_t CharCount(TCharSet set, std::string_view text, std::int32_t from, std::int32_t to) {
    if (set == chEightBit) return to - from;
    std::int32_t count = 0;
    for (std::int32_t at = from; at < to; at = CharAt(set, text, at).End)
        ++count;
    return count;
}

bool IsWordCharAt(TCharSet set, std::string_view text, std::int32_t at) {
    const std::uint8_t b = ByteAt(text, at);
    if (set == chEightBit || b < 0x80) return IsWordChar(static_cast<char>(b));
    const TCodePoint cp = DecodeUtf8(text, at);
    return !cp.Valid || IsWordCode(cp.Code);
}

}  // namespace wendax
