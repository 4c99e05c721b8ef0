#include "engine/search_pattern.h"

#include <algorithm>
#include <bit>

#include "engine/utf8_case_fold.h"

namespace wendax {

namespace {

std::string Folded(std::string_view text, bool matchCase, TCharSet set) {
    std::string folded(text.substr(0, TSearchPattern::kMaxLength));
    if (matchCase) return folded;
    if (set == chUtf8) {
        FoldUtf8Case(std::string(folded), folded);
        return folded;
    }
    for (char& c : folded)
        c = static_cast<char>(kUpperCase[static_cast<std::uint8_t>(c)]);
    return folded;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The table every text byte goes through before it is compared with the pattern.
const TCaseTable& TextCasing(bool matchCase, TCharSet set, bool foldsUtf8) {
    if (matchCase || foldsUtf8) return kSameCase;
    return set == chUtf8 ? kAsciiUpperCase : kUpperCase;
}

}  // namespace

TSearchPattern::TSearchPattern(std::string_view text, bool matchCase, TCharSet set)
    : FText(Folded(text, matchCase, set)),
      FFoldsUtf8(!matchCase && set == chUtf8 && !IsAscii(FText)),
      FCase(&TextCasing(matchCase, set, FFoldsUtf8)),
      FFilter(FText.empty() ? std::string_view(" ") : FText, *FCase) {
    const auto n = static_cast<std::uint8_t>(FText.size());
    std::array<std::uint8_t, 256> byPatternChar;
    byPatternChar.fill(n);
    for (std::size_t i = 0; i + 1 < FText.size(); ++i)
        byPatternChar[static_cast<std::uint8_t>(FText[i])] = static_cast<std::uint8_t>(n - 1 - i);
    for (int c = 0; c < 256; ++c) {
        const std::uint8_t folded = (*FCase)[static_cast<std::size_t>(c)];
        FSkip[static_cast<std::size_t>(c)] = byPatternChar[folded];
        FSkipOrStop[static_cast<std::size_t>(c)] =
            n > 0 && folded == static_cast<std::uint8_t>(FText.back()) ? 0 : byPatternChar[folded];
    }
}

// Compares the first n - 1 pattern characters, right to left, with the text before the
// window's last character.
bool TSearchPattern::MatchesBefore(const char* windowStart) const {
    for (std::size_t k = FText.size() - 1; k-- > 0;) {
        if (Fold(windowStart[k]) != static_cast<std::uint8_t>(FText[k])) return false;
    }
    return true;
}

std::size_t TSearchPattern::FindFirst(std::string_view run) const {
    const std::size_t n = FText.size();
    if (n == 0 || run.size() < n) return npos;
    return run.size() - n + 1 >= TEdgeFilter::kWindows ? FilteredFirst(run) : HorspoolFirst(run);
}

// The window's last character is compared first; a full match ends the scan, anything
// else moves the window by the skip entry of that text character (after a partial match
// that is the entry of the pattern's last character).
std::size_t TSearchPattern::HorspoolFirst(std::string_view run) const {
    const std::size_t n = FText.size();
    const char* data = run.data();
    const std::size_t size = run.size();
    const std::uint8_t skipLast = FSkip[static_cast<std::uint8_t>(FText.back())];
    for (std::size_t i = n - 1; i < size; i += skipLast) {
        for (std::uint8_t skip; (skip = FSkipOrStop[static_cast<std::uint8_t>(data[i])]) != 0;) {
            i += skip;
            if (i >= size) return npos;
        }
        if (MatchesBefore(data + i - (n - 1))) return i - (n - 1);
    }
    return npos;
}

// Blocks of 16 windows in order; the last block is moved back to end at the last window,
// so it may look at windows already rejected again, which is harmless. The filter has
// matched the last character of a candidate, and candidates are compared in order, so the
// first match is the first occurrence.
std::size_t TSearchPattern::FilteredFirst(std::string_view run) const {
    const std::size_t n = FText.size();
    const std::size_t lastBlock = run.size() - n + 1 - TEdgeFilter::kWindows;
    for (std::size_t block = 0;; block = std::min(block + TEdgeFilter::kWindows, lastBlock)) {
        const TEdgeFilter::TMask mask = FFilter.Candidates(run.data() + block);
        for (std::size_t half = 0; half < 2; ++half) {
            for (std::uint64_t bits = half == 0 ? mask.Low : mask.High; bits != 0;) {
                const auto bit = static_cast<std::size_t>(std::countr_zero(bits));
                const std::size_t window = block + half * 8 + bit / 8;
                if (MatchesBefore(run.data() + window)) return window;
                bits &= ~(std::uint64_t{0xFF} << (bit & ~std::size_t{7}));
            }
        }
        if (block == lastBlock) return npos;
    }
}

// Repeats the forward search from one character after each occurrence found while the
// pattern still fits; the last occurrence found wins.
std::size_t TSearchPattern::FindLast(std::string_view run) const {
    const std::size_t n = FText.size();
    std::size_t found = npos;
    for (std::size_t from = 0; from + n <= run.size();) {
        const std::size_t at = FindFirst(run.substr(from));
        if (at == npos) break;
        found = from + at;
        from = found + 1;
    }
    return found;
}

}  // namespace wendax
