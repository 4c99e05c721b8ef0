// A filter for search windows: it compares the first and the last character of 16
// consecutive windows with those of the pattern in one step of the processor's vector
// unit, so that long runs of text cost a few instructions per 16 characters. Only the
// windows it lets through need a full comparison.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "engine/upper_case.h"

namespace wendax {

class TEdgeFilter {
  public:
    static constexpr std::size_t kWindows = 16;

    // Byte k (k = 0..15, low byte of Low first) is 0xFF for a candidate window, else 0.
    struct TMask {
        std::uint64_t Low;
        std::uint64_t High;
    };

    // `pattern` is as compared (already case-converted, 1..255 characters); `fold` is the
    // case table the text goes through.
    TEdgeFilter(std::string_view pattern, const TCaseTable& fold);

    // The windows starting at windows[0..15] whose first and last characters match.
    // Reads windows[0 .. 15 + n - 1].
    TMask Candidates(const char* windows) const {
        const TBytes16 first = Load(windows);
        const TBytes16 last = Load(windows + FLastOffset);
        const TBytes16 hits = ((first == FFirst[0]) | (first == FFirst[1])) &
                              ((last == FLast[0]) | (last == FLast[1]));
        TMask mask;
        std::memcpy(&mask, &hits, sizeof(mask));
        return mask;
    }

  private:
    // 16 bytes in one vector register: a compiler extension that every target supports,
    // with vector instructions where it has them.
    typedef std::uint8_t TBytes16 __attribute__((vector_size(16)));

    static TBytes16 Load(const char* at) {
        TBytes16 bytes;
        std::memcpy(&bytes, at, sizeof(bytes));
        return bytes;
    }

    // Every byte of FFirst[i] (FLast[i]) is a raw byte that the case table turns into the
    // pattern's first (last) character; the same byte twice when only one does.
    TBytes16 FFirst[2];
    TBytes16 FLast[2];
    std::size_t FLastOffset;
};

}  // namespace wendax
