#include "engine/fenwick_tree.h"

namespace wendax {

void TFenwickTree::Add(std::int32_t i, std::int32_t delta) {
    for (std::int32_t at = i + 1; at <= Size(); at += at & -at)
        FTree[static_cast<std::size_t>(at - 1)] += delta;
}

std::int32_t TFenwickTree::Prefix(std::int32_t count) const {
    std::int32_t sum = 0;
    for (std::int32_t at = count; at > 0; at -= at & -at)
        sum += FTree[static_cast<std::size_t>(at - 1)];
    return sum;
}

// Descends from the largest power of two, taking every step whose range still ends before
// the unit; the elements taken are exactly those before the one holding it.
TFenwickTree::TFound TFenwickTree::Find(std::int32_t unit) const {
    TFound found;
    for (std::int32_t step = FTopStep; step > 0; step /= 2) {
        const std::int32_t next = found.Element + step;
        if (next <= Size() && found.Before + FTree[static_cast<std::size_t>(next - 1)] < unit) {
            found.Element = next;
            found.Before += FTree[static_cast<std::size_t>(next - 1)];
        }
    }
    return found;
}

}  // namespace wendax
