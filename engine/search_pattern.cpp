#include "engine/search_pattern.h"

#include <algorithm>

namespace wendax {

TSearchPattern::TSearchPattern(std::string_view text, bool matchCase)
    : FText(text.substr(0, kMaxLength)), FCase(matchCase ? &kSameCase : &kUpperCase) {
    for (char& c : FText)
        c = static_cast<char>(Fold(c));
    const auto n = static_cast<std::uint8_t>(FText.size());
    std::array<std::uint8_t, 256> byPatternChar;
    byPatternChar.fill(n);
    for (std::size_t i = 0; i + 1 < FText.size(); ++i)
        byPatternChar[static_cast<std::uint8_t>(FText[i])] = static_cast<std::uint8_t>(n - 1 - i);
    for (int c = 0; c < 256; ++c)
        FSkip[static_cast<std::size_t>(c)] = byPatternChar[(*FCase)[static_cast<std::size_t>(c)]];
}

// Compares the first n - 1 pattern characters, right to left, with the text before the
// window's last character.
bool TSearchPattern::MatchesBefore(const char* windowStart) const {
    for (std::size_t k = FText.size() - 1; k-- > 0;) {
        if (Fold(windowStart[k]) != static_cast<std::uint8_t>(FText[k])) return false;
    }
    return true;
}

// The window's last character is compared first; a full match ends the scan, anything
// else moves the window by the skip entry of that text character (after a partial match
// that is the entry of the pattern's last character).
std::size_t TSearchPattern::FindFirst(std::string_view run) const {
    const std::size_t n = FText.size();
    if (n == 0 || run.size() < n) return npos;
    const char* data = run.data();
    const auto last = static_cast<std::uint8_t>(FText.back());
    for (std::size_t i = n - 1; i < run.size();) {
        const char c = data[i];
        if (Fold(c) == last && MatchesBefore(data + i - (n - 1))) return i - (n - 1);
        i += FSkip[static_cast<std::uint8_t>(c)];
    }
    return npos;
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
