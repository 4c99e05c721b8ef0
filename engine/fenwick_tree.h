// A Fenwick tree (binary indexed tree) of counts: prefix sums, point updates and the search
// for the element that holds a given unit, each in O(log n).
#pragma once

#include <cstdint>
#include <vector>

namespace wendax {

// Elements are numbered from 0. The counts are non-negative and their total fits in 32 bits.
class TFenwickTree {
  public:
    // Where a unit lies: the element holding it and the sum of the elements before it.
    struct TFound {
        std::int32_t Element = 0;
        std::int32_t Before = 0;
    };

    std::int32_t Size() const { return static_cast<std::int32_t>(FTree.size()); }

    // Room for `size` elements, so that a later Build of that size allocates nothing.
    void Reserve(std::int32_t size) { FTree.reserve(static_cast<std::size_t>(size)); }

    // Makes the tree hold `size` elements, element i being countOf(i), in O(size).
    template <class TCountOf>
    void Build(std::int32_t size, TCountOf countOf);

    // Adds `delta` to element i.
    void Add(std::int32_t i, std::int32_t delta);

    // Sum of the first `count` elements (0..count-1).
    std::int32_t Prefix(std::int32_t count) const;

    // The element holding unit `unit` (1 <= unit <= total): the first element whose prefix
    // sum, itself included, reaches `unit`.
    TFound Find(std::int32_t unit) const;

  private:
    // FTree[i - 1] holds the sum of the elements (i - lowbit(i), i], 1-based.
    std::vector<std::int32_t> FTree;
    std::int32_t FTopStep = 0;  // largest power of two <= Size()
};

template <class TCountOf>
void TFenwickTree::Build(std::int32_t size, TCountOf countOf) {
    FTree.resize(static_cast<std::size_t>(size));
    for (std::int32_t i = 0; i < size; ++i)
        FTree[static_cast<std::size_t>(i)] = countOf(i);
    for (std::int32_t i = 1; i <= size; ++i) {
        const std::int32_t parent = i + (i & -i);
        if (parent <= size) {
            FTree[static_cast<std::size_t>(parent - 1)] += FTree[static_cast<std::size_t>(i - 1)];
        }
    }
    FTopStep = 1;
    while (FTopStep * 2 <= size)
        FTopStep *= 2;
}

}  // namespace wendax
