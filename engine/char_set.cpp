#include "engine/char_set.h"

#include <algorithm>
#include <array>

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

// DecodeUtf8, for the scans of this file to inline.
inline TCodePoint Decode(std::string_view text, std::int32_t at) {
    const std::uint8_t b0 = ByteAt(text, at);
    if (b0 < 0x80) return {b0, 1, true};
    std::int32_t bytes = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        bytes = 2, code = b0 & 0x1F, least = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        bytes = 3, code = b0 & 0x0F, least = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        bytes = 4, code = b0 & 0x07, least = 0x10000;
    } else {
        return {b0, 1, false};
    }
    if (at + bytes > static_cast<std::int32_t>(text.size())) return {b0, 1, false};
    for (std::int32_t i = 1; i < bytes; ++i) {
        const std::uint8_t b = ByteAt(text, at + i);
        if (!IsContinuation(b)) return {b0, 1, false};
        code = (code << 6) | (b & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {b0, 1, false};
    return {code, bytes, true};
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
        const TCodePoint cp = Decode(text, lead);
        return cp.Valid && lead + cp.Bytes > at ? lead : at;
    }
    return at;
}

bool IsZeroCellAt(std::string_view text, std::int32_t at) {
    if (!kZeroCellLeads[ByteAt(text, at)]) return false;
    const TCodePoint cp = Decode(text, at);
    return cp.Valid && CodeCells(cp.Code) == 0;
}

}  // namespace

TCodePoint DecodeUtf8(std::string_view text, std::int32_t at) {
    return Decode(text, at);
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

// Eight bytes at a time up to the first byte above 127, decoding only from there (and in the
// last seven bytes only bytes above 127).
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
        const TCodePoint cp = Decode(text, at);
        if (!cp.Valid) return false;
        at += cp.Bytes;
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
    const TCodePoint base = Decode(text, at);
    const std::int32_t cells = base.Valid ? std::max(CodeCells(base.Code), 1) : 1;
    std::int32_t end = at + base.Bytes;
    while (end < size && IsZeroCellAt(text, end))
        end += Decode(text, end).Bytes;
    return {at, end, cells};
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
    const TCodePoint cp = Decode(text, at);
    return !cp.Valid || IsWordCode(cp.Code);
}

}  // namespace wendax
