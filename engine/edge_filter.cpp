#include "engine/edge_filter.h"

#include <array>

namespace wendax {

namespace {

// The bytes that the case table turns into `c`: at most two, as the table maps at most one
// other byte onto any byte; `c` twice when it is the only one.
std::array<std::uint8_t, 2> Variants(std::uint8_t c, const TCaseTable& fold) {
    std::array<std::uint8_t, 2> variants{c, c};
    for (int raw = 0; raw < 256; ++raw) {
        if (raw != c && fold[static_cast<std::size_t>(raw)] == c)
            variants[1] = static_cast<std::uint8_t>(raw);
    }
    return variants;
}

}  // namespace

TEdgeFilter::TEdgeFilter(std::string_view pattern, const TCaseTable& fold)
    : FLastOffset(pattern.size() - 1) {
    const auto first = Variants(static_cast<std::uint8_t>(pattern.front()), fold);
    const auto last = Variants(static_cast<std::uint8_t>(pattern.back()), fold);
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t k = 0; k < kWindows; ++k) {
            FFirst[i][k] = first[i];
            FLast[i][k] = last[i];
        }
    }
}

}  // namespace wendax
