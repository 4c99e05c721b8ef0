// The block arena: references, alignment, reuse by size and growth over many chunks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "engine/block_arena.h"

namespace wendax {
namespace {

TEST(BlockArena, BlocksAreAlignedDistinctAndNeverReferenceZero) {
    TBlockArena arena;
    std::set<TArenaRef> refs;
    std::vector<std::pair<TArenaRef, std::size_t>> blocks;
    for (std::size_t size = 1; size < 300; ++size) {
        const TArenaRef ref = arena.Allocate(size);
        EXPECT_NE(ref, 0u);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(arena.Address(ref)) % 8, 0u);
        EXPECT_TRUE(refs.insert(ref).second);
        std::memset(arena.Address(ref), static_cast<int>(size), size);
        blocks.emplace_back(ref, size);
    }
    for (const auto& [ref, size] : blocks) {
        const char* at = arena.Address(ref);
        for (std::size_t i = 0; i < size; ++i)
            ASSERT_EQ(at[i], static_cast<char>(size));
    }
}

TEST(BlockArena, ReleasedBlocksAreReusedBySize) {
    TBlockArena arena;
    const TArenaRef a = arena.Allocate(24);
    const TArenaRef b = arena.Allocate(40);
    arena.Release(a, 24);
    arena.Release(b, 40);
    EXPECT_EQ(arena.Allocate(40), b);
    EXPECT_EQ(arena.Allocate(20), a);  // 20 and 24 bytes are both three units
    EXPECT_NE(arena.Allocate(24), a);
    arena.Release(0, 24);
}

TEST(BlockArena, CountsUsedBytesInWholeUnits) {
    TBlockArena arena;
    const TArenaRef a = arena.Allocate(10);
    EXPECT_EQ(arena.UsedBytes(), 16u);
    arena.Release(a, 10);
    EXPECT_EQ(arena.UsedBytes(), 0u);
}

// 100 MB in largest blocks spans small malloc chunks and huge-page chunks from mmap.
TEST(BlockArena, GrowsOverManyChunksAndKeepsEveryBlock) {
    TBlockArena arena;
    std::vector<TArenaRef> refs;
    for (int i = 0; i < 1600; ++i) {
        const TArenaRef ref = arena.Allocate(TBlockArena::kMaxBlock);
        std::memcpy(arena.Address(ref), &i, sizeof(i));
        std::memcpy(arena.Address(ref) + TBlockArena::kMaxBlock - sizeof(i), &i, sizeof(i));
        refs.push_back(ref);
    }
    EXPECT_GE(arena.ReservedBytes(), 1600u * TBlockArena::kMaxBlock);
    for (int i = 0; i < 1600; ++i) {
        int first = 0;
        int last = 0;
        std::memcpy(&first, arena.Address(refs[i]), sizeof(first));
        std::memcpy(&last, arena.Address(refs[i]) + TBlockArena::kMaxBlock - sizeof(last),
                    sizeof(last));
        ASSERT_EQ(first, i);
        ASSERT_EQ(last, i);
    }
}

}  // namespace
}  // namespace wendax
