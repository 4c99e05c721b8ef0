#include "engine/wrap_rule.h"

#include <algorithm>
#include <cstring>

#include "engine/byte_words.h"
#include "engine/display_columns.h"

namespace wendax {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A blank or hyphen at `at` counts only as a character of its own (no combining mark on it).
bool IsSingle(const TWrapParams& params, std::string_view text, std::int32_t at) {
    return params.CharSet == chEightBit || CharEnd(params.CharSet, text, at) == at + 1;
}

std::int32_t SkipBlanks(std::string_view text, std::int32_t from, const TWrapParams& params) {
    const auto length = static_cast<std::int32_t>(text.size());
    while (from < length && IsBlank(text[static_cast<std::size_t>(from)]) &&
           IsSingle(params, text, from))
        ++from;
    return from;
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

// Number of one-byte, one-cell characters of a UTF-8 text at `at`, counted at least up to
// `need` when there are as many: the bytes of PlainRun but a last one followed by a byte
// above 127, which may begin a mark joining it.
std::int32_t OneCellChars(std::string_view text, std::int32_t at, std::int32_t need) {
    const char* from = text.data() + at;
    const std::int32_t limit = std::min(static_cast<std::int32_t>(text.size()) - at, need + 1);
    const std::int32_t run = PlainRun(from, limit);
    if (run > 0 && run < limit && static_cast<unsigned char>(from[run]) >= 0x80) return run - 1;
    return run;
}

// Number of bytes of an 8-bit text, at most `need`, from `at` up to the next tab.
std::int32_t NonTabBytes(std::string_view text, std::int32_t at, std::int32_t need) {
    const char* from = text.data() + at;
    const std::int32_t limit = std::min(static_cast<std::int32_t>(text.size()) - at, need);
    const void* tab = std::memchr(from, '\t', static_cast<std::size_t>(limit));
    return tab == nullptr ? limit : static_cast<std::int32_t>(static_cast<const char*>(tab) - from);
}

}  // namespace

// The width stays below W until the fit is found. Runs of one-cell characters are passed
// whole; only tabs and characters with a byte above 127 take the character walk.
std::int32_t LineFit(std::string_view text, std::int32_t start, TWrapParams params) {
    const auto length = static_cast<std::int32_t>(text.size());
    const bool eightBit = params.CharSet == chEightBit;
    std::int32_t width = 0;
    for (std::int32_t at = start; at < length;) {
        const std::int32_t need = params.Width - width;
        const std::int32_t ones =
            eightBit ? NonTabBytes(text, at, need) : OneCellChars(text, at, need);
        if (ones >= need) return at + need - start;
        width += ones;
        at += ones;
        if (at == length) break;
        const TCharExtent c = CharAt(params.CharSet, text, at);
        const bool tab = text[static_cast<std::size_t>(at)] == '\t';
        const std::int32_t next =
            tab ? AdvanceColumn(width, '\t', params.TabSize) : width + c.Cells;
        if (!tab && next > params.Width && at > start) return at - start;
        if (next >= params.Width) return c.End - start;
        width = next;
        at = c.End;
    }
    return length - start;
}

std::int32_t NextLineStart(std::string_view text, std::int32_t start, TWrapParams params) {
    const auto length = static_cast<std::int32_t>(text.size());
    if (params.Width <= 0 || start >= length) return 0;
    const std::int32_t fit = LineFit(text, start, params);
    if (start + fit >= length) return 0;
    std::int32_t next = start + fit;  // a hard break unless a blank or hyphen is met
    for (std::int32_t at = start + fit; at >= start; --at) {
        const char c = text[static_cast<std::size_t>(at)];
        if (c != ' ' && c != '\t' && c != '-') continue;
        if (!IsSingle(params, text, at)) continue;
        next = SkipBlanks(text, c == '-' ? at + 1 : at, params);
        break;
    }
    return next >= length ? 0 : next;
}

}  // namespace wendax
