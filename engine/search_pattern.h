// A search text prepared for the scan: the pattern as compared (upper-cased once for a
// case-insensitive search), the case table every text character goes through before it is
// compared, and the Horspool skip table.
//
// Finding the first occurrence in a run of text: runs long enough for 16 windows are first
// filtered 16 windows at a time on the windows' first and last characters (edge_filter.h),
// which is several times faster on long lines; shorter runs, the usual case, go through the
// Horspool skip loop. Both find the same, the first occurrence.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/char_set.h"
#include "engine/edge_filter.h"
#include "engine/upper_case.h"

namespace wendax {

class TSearchPattern {
  public:
    static constexpr std::size_t kMaxLength = 255;
    static constexpr std::size_t npos = std::string_view::npos;

    // `text` holds 1..kMaxLength bytes. Without matching case an 8-bit pattern goes through
    // the 8-bit upper-casing table; a UTF-8 one is folded (utf8_case_fold.h) and then matches
    // only text folded the same way (FoldsUtf8), unless it folds to ASCII alone: folding
    // never turns a multi-byte character into ASCII, so such a pattern is compared with the
    // text in place through the ASCII upper-casing table, which finds the same occurrences
    // without folding every paragraph first.
    TSearchPattern(std::string_view text, bool matchCase, TCharSet set);

    // The text searched must first be folded with FoldUtf8Case.
    bool FoldsUtf8() const { return FFoldsUtf8; }

    std::int32_t Length() const { return static_cast<std::int32_t>(FText.size()); }
    // The pattern as compared: upper-cased unless the case must match.
    std::string_view Text() const { return FText; }
    // The shift after a window whose last text character is c: the pattern length, or
    // n - i for the last i < n with pattern[i] (1-based) equal to c after case conversion.
    std::uint8_t Skip(char c) const { return FSkip[static_cast<std::uint8_t>(c)]; }

    // Index of the first occurrence in `run`, or npos.
    std::size_t FindFirst(std::string_view run) const;
    // Index of the last occurrence lying wholly within `run`, or npos.
    std::size_t FindLast(std::string_view run) const;

  private:
    std::uint8_t Fold(char c) const { return (*FCase)[static_cast<std::uint8_t>(c)]; }
    bool MatchesBefore(const char* windowStart) const;
    std::size_t HorspoolFirst(std::string_view run) const;
    std::size_t FilteredFirst(std::string_view run) const;

    std::string FText;
    bool FFoldsUtf8;
    const TCaseTable* FCase;
    // Indexed by the raw text character, so that the case conversion is built in.
    std::array<std::uint8_t, 256> FSkip{};
    // The same with 0 for the characters equal to the pattern's last one, which stops the
    // skipping loop where a comparison is due.
    std::array<std::uint8_t, 256> FSkipOrStop{};
    TEdgeFilter FFilter;
};

}  // namespace wendax
