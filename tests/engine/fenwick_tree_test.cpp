// The Fenwick tree against a plain array of counts: prefix sums and the search for the
// element holding a unit, after building and after every point update.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/fenwick_tree.h"

namespace wendax {
namespace {

// Every prefix and every unit of the tree agree with the plain counts.
void ExpectMatches(const TFenwickTree& tree, const std::vector<std::int32_t>& counts) {
    ASSERT_EQ(tree.Size(), static_cast<std::int32_t>(counts.size()));
    std::int32_t before = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        ASSERT_EQ(tree.Prefix(static_cast<std::int32_t>(i)), before) << "prefix " << i;
        for (std::int32_t unit = before + 1; unit <= before + counts[i]; ++unit) {
            const TFenwickTree::TFound found = tree.Find(unit);
            ASSERT_EQ(found.Element, static_cast<std::int32_t>(i)) << "unit " << unit;
            ASSERT_EQ(found.Before, before) << "unit " << unit;
        }
        before += counts[i];
    }
    ASSERT_EQ(tree.Prefix(tree.Size()), before);
}

TEST(FenwickTree, OneElementHoldsEveryUnit) {
    TFenwickTree tree;
    tree.Build(1, [](std::int32_t) { return 5; });
    EXPECT_EQ(tree.Find(1).Element, 0);
    EXPECT_EQ(tree.Find(5).Element, 0);
    EXPECT_EQ(tree.Prefix(1), 5);
}

TEST(FenwickTree, ElementsWithoutUnitsAreSkipped) {
    const std::vector<std::int32_t> counts{0, 3, 0, 0, 1, 0, 2};
    TFenwickTree tree;
    tree.Build(7, [&](std::int32_t i) { return counts[static_cast<std::size_t>(i)]; });
    ExpectMatches(tree, counts);
    EXPECT_EQ(tree.Find(4).Element, 4);
}

// Sizes around powers of two, where the descent's first step changes.
TEST(FenwickTree, RandomCountsAndUpdatesMatchAPlainArray) {
    for (const std::int32_t size : {1, 2, 3, 7, 8, 9, 15, 16, 17, 100}) {
        const unsigned seed = static_cast<unsigned>(size) * 7919u;
        SCOPED_TRACE("size " + std::to_string(size) + ", seed " + std::to_string(seed));
        std::mt19937 random(seed);
        std::vector<std::int32_t> counts(static_cast<std::size_t>(size));
        for (std::int32_t& count : counts)
            count = static_cast<std::int32_t>(random() % 6);
        TFenwickTree tree;
        tree.Build(size, [&](std::int32_t i) { return counts[static_cast<std::size_t>(i)]; });
        ASSERT_NO_FATAL_FAILURE(ExpectMatches(tree, counts));
        for (int step = 0; step < 50; ++step) {
            const std::size_t i = random() % counts.size();
            const auto delta = static_cast<std::int32_t>(random() % 5) - counts[i] / 2;
            counts[i] += delta;
            tree.Add(static_cast<std::int32_t>(i), delta);
            ASSERT_NO_FATAL_FAILURE(ExpectMatches(tree, counts)) << "step " << step;
        }
    }
}

TEST(FenwickTree, RebuildReplacesEveryCount) {
    TFenwickTree tree;
    tree.Build(40, [](std::int32_t) { return 1; });
    tree.Add(39, 4);
    std::vector<std::int32_t> counts(64);
    for (std::size_t i = 0; i < counts.size(); ++i)
        counts[i] = static_cast<std::int32_t>(i % 3);
    tree.Build(64, [&](std::int32_t i) { return counts[static_cast<std::size_t>(i)]; });
    ExpectMatches(tree, counts);
    tree.Build(3, [](std::int32_t) { return 2; });
    ExpectMatches(tree, {2, 2, 2});
}

}  // namespace
}  // namespace wendax
