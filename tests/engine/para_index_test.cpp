// The paragraph index on a bare list of nodes: blocks split, merge and vanish at their
// bounds, a tracked cursor follows its paragraph, and lookups agree with a plain list after
// every random change.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "engine/para_index.h"
#include "engine/para_storage.h"

namespace wendax {
namespace {

// A doubly linked list of nodes with their Lines, a plain copy of its order, its index and a
// cursor the index keeps. Changes tell the index the way the store does: the block of a
// neighbour, which the test finds by counting.
class TIndexedList {
  public:
    // One paragraph of `lines` lines, blocks of at most `maxParas`.
    TIndexedList(std::int32_t maxParas, std::int32_t lines = 1) {
        const TParaIndex::TScopedMaxParas size(maxParas);
        FOrder.push_back(NewNode(lines));
        Index = std::make_unique<TParaIndex>(FStorage, FOrder[0]);
        Cursor = {FOrder[0], 0};
    }

    std::size_t Size() const { return FOrder.size(); }
    TParaRef At(std::size_t i) const { return FOrder[i]; }

    // A new paragraph of `lines` lines becomes paragraph `at` (0-based, 0..Size()); with
    // `cursorOnIt` the cursor is put on it before the index is told, as the store does.
    void Insert(std::size_t at, std::int32_t lines = 1, bool cursorOnIt = false) {
        const TParaRef para = NewNode(lines);
        const bool atEnd = at == FOrder.size();
        const std::int32_t block = BlockOf(atEnd ? at - 1 : at);
        TParaNode& node = FStorage.Node(para);
        node.Prev = at > 0 ? FOrder[at - 1] : 0;
        node.Next = atEnd ? 0 : FOrder[at];
        if (node.Prev != 0) FStorage.Node(node.Prev).Next = para;
        if (node.Next != 0) FStorage.Node(node.Next).Prev = para;
        FOrder.insert(FOrder.begin() + static_cast<std::ptrdiff_t>(at), para);
        if (cursorOnIt) Cursor = {para, block};
        Index->Linked(block, para, Cursor);
    }

    // Removes paragraph `at`; a cursor on it first moves to its successor, else predecessor.
    void Remove(std::size_t at) {
        const TParaRef para = FOrder[at];
        const std::int32_t block = BlockOf(at);
        if (Cursor.Node == para) {
            const std::size_t to = at + 1 < FOrder.size() ? at + 1 : at - 1;
            Cursor = {FOrder[to], BlockOf(to)};
        }
        TParaNode& node = FStorage.Node(para);
        const TParaRef next = node.Next;
        if (node.Prev != 0) FStorage.Node(node.Prev).Next = node.Next;
        if (node.Next != 0) FStorage.Node(node.Next).Prev = node.Prev;
        node.Next = node.Prev = 0;
        FOrder.erase(FOrder.begin() + static_cast<std::ptrdiff_t>(at));
        Index->Unlinked(block, para, next, Cursor);
    }

    void SetLines(std::size_t at, std::int32_t lines) {
        TParaNode& node = FStorage.Node(FOrder[at]);
        const std::int32_t delta = lines - node.Lines();
        node.SetLines(lines);
        Index->LinesChanged(BlockOf(at), delta);
    }

    void PutCursor(std::size_t at) { Cursor = {FOrder[at], BlockOf(at)}; }

    // Block of paragraph `at` (0-based), counted from the blocks' sizes.
    std::int32_t BlockOf(std::size_t at) const {
        std::size_t first = 0;
        std::int32_t b = 0;
        while (first + static_cast<std::size_t>(Index->Block(b).Paras) <= at)
            first += static_cast<std::size_t>(Index->Block(b++).Paras);
        return b;
    }

    std::vector<std::int32_t> BlockSizes() const {
        std::vector<std::int32_t> sizes;
        for (std::int32_t b = 0; b < Index->BlockCount(); ++b)
            sizes.push_back(Index->Block(b).Paras);
        return sizes;
    }

    // Invariants, then every paragraph and every line looked up through the index.
    void Verify() {
        ASSERT_EQ(Index->Check(FOrder[0], Cursor), "");
        std::vector<std::int32_t> firstLines{1};  // of each paragraph, and one past the end
        for (const TParaRef para : FOrder)
            firstLines.push_back(firstLines.back() + FStorage.Node(para).Lines());
        for (std::int32_t n = 1; n <= static_cast<std::int32_t>(FOrder.size()); ++n) {
            const TBlockStart start = Index->BlockOfPara(n);
            ASSERT_EQ(start.Block, BlockOf(static_cast<std::size_t>(n - 1))) << "paragraph " << n;
            ExpectStart(start, firstLines);
        }
        for (std::int32_t line = 1; line < firstLines.back(); ++line) {
            const TBlockStart start = Index->BlockOfLine(line);
            const auto holder = std::upper_bound(firstLines.begin(), firstLines.end(), line) -
                                firstLines.begin() - 1;  // 0-based paragraph holding the line
            ASSERT_EQ(start.Block, BlockOf(static_cast<std::size_t>(holder))) << "line " << line;
            ExpectStart(start, firstLines);
        }
    }

    std::unique_ptr<TParaIndex> Index;
    TIndexCursor Cursor;

  private:
    TParaRef NewNode(std::int32_t lines) {
        const TParaRef para = FStorage.Create({});
        FStorage.Node(para).SetLines(lines);
        return para;
    }

    // A block start names the block's first paragraph, its number and its first line.
    void ExpectStart(TBlockStart start, const std::vector<std::int32_t>& firstLines) const {
        const auto first = static_cast<std::size_t>(start.Para - 1);
        ASSERT_LT(first, FOrder.size());
        ASSERT_EQ(Index->Block(start.Block).First, FOrder[first]);
        ASSERT_EQ(start.Line, firstLines[first]);
    }

    TParaStorage FStorage;
    std::vector<TParaRef> FOrder;
};

using Sizes = std::vector<std::int32_t>;

// ---- Splitting

// Paragraphs inserted at the front, where blocks split in halves.
void InsertAtFront(TIndexedList& list, int count) {
    for (int i = 0; i < count; ++i)
        list.Insert(0);
}

TEST(ParaIndexSplit, FullBlockSplitsInHalvesWhenOneMoreParagraphJoins) {
    TIndexedList list(4);
    InsertAtFront(list, 3);
    EXPECT_EQ(list.BlockSizes(), (Sizes{4}));
    list.Insert(2);
    EXPECT_EQ(list.BlockSizes(), (Sizes{2, 3}));
    EXPECT_EQ(list.Index->Block(1).First, list.At(2));
    list.Verify();
}

TEST(ParaIndexSplit, ParagraphsAppendedAtTheEndFillEveryBlock) {
    TIndexedList list(4);
    for (int i = 0; i < 10; ++i)
        list.Insert(list.Size());  // as the last paragraph
    EXPECT_EQ(list.BlockSizes(), (Sizes{4, 4, 3}));
    for (int i = 0; i < 6; ++i)
        list.Insert(list.Size() - 1);  // right before the last, as loading a file does
    EXPECT_EQ(list.BlockSizes(), (Sizes{4, 4, 4, 4, 1}));
    list.Verify();
}

TEST(ParaIndexSplit, ParagraphLinkedBeforeABlocksFirstBecomesItsFirst) {
    TIndexedList list(4);
    InsertAtFront(list, 4);  // blocks of 2 and 3
    list.Insert(2);          // before the first paragraph of block 1
    EXPECT_EQ(list.BlockSizes(), (Sizes{2, 4}));
    EXPECT_EQ(list.Index->Block(1).First, list.At(2));
    list.Insert(0);
    EXPECT_EQ(list.Index->Block(0).First, list.At(0));
    list.Verify();
}

// Four paragraphs in one block; one more at the front splits it into 2 and 3.
TEST(ParaIndexSplit, CursorFollowsItsParagraphIntoTheSecondHalf) {
    for (std::size_t on = 0; on < 4; ++on) {
        SCOPED_TRACE("cursor on paragraph " + std::to_string(on));
        TIndexedList list(4);
        InsertAtFront(list, 3);
        list.PutCursor(on);
        list.Insert(0);
        list.Verify();
        EXPECT_EQ(list.Cursor.Block, on + 1 < 2 ? 0 : 1);
    }
    TIndexedList list(4);
    InsertAtFront(list, 3);
    list.Insert(2, 1, true);  // the cursor on the new paragraph itself
    list.Verify();
    EXPECT_EQ(list.Cursor.Block, 1);
}

// Appended as the last paragraph or right before it, in a full last block.
TEST(ParaIndexSplit, LastParagraphAloneStartsTheNextBlock) {
    for (const bool beforeLast : {false, true}) {
        SCOPED_TRACE(beforeLast ? "before the last" : "as the last");
        TIndexedList list(4);
        InsertAtFront(list, 3);
        list.PutCursor(3);  // the last paragraph
        list.Insert(beforeLast ? 3 : 4);
        EXPECT_EQ(list.BlockSizes(), (Sizes{4, 1}));
        EXPECT_EQ(list.Index->Block(1).First, list.At(4));
        EXPECT_EQ(list.Cursor.Block, beforeLast ? 1 : 0);
        list.Verify();
    }
}

TEST(ParaIndexSplit, CursorInALaterBlockMovesUpOneBlock) {
    TIndexedList list(2);
    for (std::size_t i = 1; i < 4; ++i)
        list.Insert(i);  // blocks of 2 and 2
    list.PutCursor(3);
    const std::int32_t before = list.Cursor.Block;
    list.Insert(0);  // block 0 splits
    list.Verify();
    EXPECT_EQ(list.Cursor.Block, before + 1);
}

// ---- Merging and vanishing

TEST(ParaIndexMerge, BlockBelowTheMinimumTakesInTheNextBlock) {
    TIndexedList list(8);  // at least 2 paragraphs in every block but the last
    InsertAtFront(list, 8);
    ASSERT_EQ(list.BlockSizes(), (Sizes{4, 5}));
    list.PutCursor(6);
    list.Remove(0);
    list.Remove(0);
    EXPECT_EQ(list.BlockSizes(), (Sizes{2, 5}));
    list.Remove(0);
    EXPECT_EQ(list.BlockSizes(), (Sizes{6}));
    EXPECT_EQ(list.Cursor.Block, 0);
    list.Verify();
}

TEST(ParaIndexMerge, LastBlockKeepsFewParagraphsUntilItEmpties) {
    TIndexedList list(8);
    InsertAtFront(list, 8);  // blocks of 4 and 5
    list.PutCursor(8);
    for (int i = 0; i < 4; ++i)
        list.Remove(list.Size() - 1);
    EXPECT_EQ(list.BlockSizes(), (Sizes{4, 1}));
    list.Remove(list.Size() - 1);
    EXPECT_EQ(list.BlockSizes(), (Sizes{4}));
    EXPECT_EQ(list.Cursor.Block, 0);
    list.Verify();
}

TEST(ParaIndexMerge, JoinedBlockTooLargeSplitsAgain) {
    TIndexedList list(8);
    InsertAtFront(list, 8);
    for (int i = 0; i < 3; ++i)
        list.Insert(5);  // into the second block
    ASSERT_EQ(list.BlockSizes(), (Sizes{4, 8}));
    list.PutCursor(11);
    for (int i = 0; i < 3; ++i)
        list.Remove(0);  // 1 + 8 paragraphs are too many for one block
    EXPECT_EQ(list.BlockSizes(), (Sizes{4, 5}));
    EXPECT_EQ(list.Cursor.Block, 1);
    list.Verify();
}

TEST(ParaIndexMerge, EmptiedBlockVanishes) {
    TIndexedList list(1);
    for (std::size_t i = 1; i < 5; ++i)
        list.Insert(i);
    ASSERT_EQ(list.BlockSizes(), (Sizes{1, 1, 1, 1, 1}));
    list.PutCursor(4);
    list.Remove(2);
    list.Remove(0);
    EXPECT_EQ(list.BlockSizes(), (Sizes{1, 1, 1}));
    EXPECT_EQ(list.Cursor.Block, 2);
    list.Verify();
}

TEST(ParaIndexMerge, OnlyBlockMayHoldFewerThanTheMinimum) {
    TIndexedList list(8);
    InsertAtFront(list, 8);
    while (list.Size() > 1)
        list.Remove(list.Size() / 2);
    EXPECT_EQ(list.BlockSizes(), (Sizes{1}));
    list.Verify();
}

// ---- Lines

TEST(ParaIndexLines, LineLookupsFollowChangedParagraphs) {
    TIndexedList list(2, 3);
    for (std::size_t i = 1; i < 6; ++i)
        list.Insert(i, static_cast<std::int32_t>(i));
    list.Verify();  // the sums are built here and follow the changes below
    list.SetLines(0, 1);
    list.SetLines(4, 9);
    list.Verify();
    list.Remove(2);
    list.SetLines(1, 7);
    list.Verify();
}

// ---- Random changes against the plain list

TEST(ParaIndexRandom, RandomChangesKeepEveryLookupExact) {
    for (const std::int32_t maxParas : {1, 2, 3, 4, 5, 8, 16}) {
        const auto seed = static_cast<unsigned>(maxParas) * 104729u;
        SCOPED_TRACE("blocks of " + std::to_string(maxParas) + ", seed " + std::to_string(seed));
        std::mt19937 random(seed);
        TIndexedList list(maxParas);
        for (int step = 0; step < 600 && !::testing::Test::HasFatalFailure(); ++step) {
            const std::size_t at = random() % (list.Size() + 1);
            const unsigned choice = random() % 10;
            const auto lines = static_cast<std::int32_t>(1 + random() % 4);
            // Grows on the whole at first, then shrinks, so that blocks split and then merge.
            const bool growing = step < 300;
            if (choice < (growing ? 5u : 3u)) {
                list.Insert(at, lines);
            } else if (choice < 8 && list.Size() > 1) {
                list.Remove(std::min(at, list.Size() - 1));
            } else if (choice == 8) {
                list.SetLines(std::min(at, list.Size() - 1), lines);
            } else {
                list.PutCursor(std::min(at, list.Size() - 1));
            }
            ASSERT_NO_FATAL_FAILURE(list.Verify()) << "step " << step;
        }
    }
}

}  // namespace
}  // namespace wendax
