// The index of the paragraph list: consecutive paragraphs grouped into blocks, with prefix
// sums of paragraphs and display lines over the blocks, so that paragraph n or display line n
// is found in O(log blocks) plus a walk inside one block. It costs no field in the nodes.
//
//   list:    P1 P2 P3 | P4 P5 | P6 P7 P8 P9 | ...
//   blocks:  {P1,3,L}   {P4,2,L} {P6,4,L}     ...   (first paragraph, paragraphs, lines)
//
// The store tells the index of every change to the list: a paragraph linked or unlinked next
// to a paragraph whose block it knows, or a paragraph's lines changed. A block that grows past
// the block size splits in halves, except that a paragraph linked at the end of the text moves
// the last paragraph into a new last block, so that appending fills every block. A block other
// than the last that shrinks below a quarter of the block size takes in the next one.
//
// A block with its sums takes 20 bytes: 0.16 byte a paragraph in a loaded file, whose blocks
// are full, and at most 0.6 byte a paragraph, when every block but the last holds a quarter.
// The prefix sums follow count changes at once and are rebuilt, at the next lookup, after
// blocks split, merge or vanish.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/fenwick_tree.h"
#include "engine/para_storage.h"

namespace wendax {

// A run of consecutive paragraphs: the first one, how many, and the sum of their Lines.
struct TParaBlock {
    TParaRef First = 0;
    std::int32_t Paras = 0;
    std::int32_t Lines = 0;
};

// Where a block begins in the text: the number of its first paragraph and that paragraph's
// first display line.
struct TBlockStart {
    std::int32_t Block = 0;
    std::int32_t Para = 1;
    std::int32_t Line = 1;
};

// A paragraph of the list and the block holding it, kept valid by the index through splits
// and merges (the store's position cache is one).
struct TIndexCursor {
    TParaRef Node = 0;
    std::int32_t Block = 0;
};

// Invariants (Check): the blocks cover the list in order, each beginning where the one before
// ends; every block holds 1 to FMaxParas paragraphs and, unless it is the last one, at least
// FMinParas; a block's Lines is the sum of its paragraphs' Lines; valid prefix sums equal the
// sums of the blocks before; the cursor's block holds the cursor's paragraph.
class TParaIndex {
  public:
    // Most paragraphs in one block of the program's stores.
    static constexpr std::int32_t kMaxParas = 128;

    // An index of the one paragraph `first` (a new store's empty paragraph), with blocks of
    // at most kMaxParas paragraphs, or of the size a living TScopedMaxParas sets. Raises
    // EOutOfMemory.
    TParaIndex(const TParaStorage& storage, TParaRef first);

    // While it lives, indexes are created with blocks of at most `maxParas` (>= 1)
    // paragraphs: tests shrink the blocks to reach the split and merge paths in a few edits.
    class TScopedMaxParas {
      public:
        explicit TScopedMaxParas(std::int32_t maxParas);
        ~TScopedMaxParas();
        TScopedMaxParas(const TScopedMaxParas&) = delete;
        TScopedMaxParas& operator=(const TScopedMaxParas&) = delete;

      private:
        std::int32_t FSaved;
    };

    // Longest walk along the list that costs no more than a lookup through the index, which
    // walks at most half a block.
    std::int32_t ShortWalk() const { return FMaxParas / 2; }
    std::int32_t BlockCount() const { return static_cast<std::int32_t>(FBlocks.size()) - 1; }
    const TParaBlock& Block(std::int32_t b) const { return FBlocks[static_cast<std::size_t>(b)]; }
    // First paragraph of the block after b; 0 after the last block.
    TParaRef FirstAfter(std::int32_t b) const { return Block(b + 1).First; }

    // ---- Lookups (they may rebuild the sums, which never allocates)
    // The block holding paragraph n, 1 <= n <= the paragraphs of the list.
    TBlockStart BlockOfPara(std::int32_t n);
    // The block holding display line n, 1 <= n <= the lines of the list.
    TBlockStart BlockOfLine(std::int32_t n);

    // ---- Changes
    // Room for one more block, so that the next Linked allocates nothing. Call it before
    // anything changes. Raises EOutOfMemory.
    void ReserveBlock() {
        if (FBlocks.size() == FBlocks.capacity()) GrowRoom();
    }
    // The Lines of a paragraph of block b changed by `delta`.
    void LinesChanged(std::int32_t b, std::int32_t delta);
    // Block b's Lines recounted (after a full re-wrap).
    void SetLines(std::int32_t b, std::int32_t lines);
    // `para` was just linked right before or right after a paragraph of block b; it joins b
    // (as its first paragraph when linked before that). Inline: loading a file links every
    // paragraph through here.
    void Linked(std::int32_t b, TParaRef para, TIndexCursor& tracked) {
        TParaBlock& block = FBlocks[static_cast<std::size_t>(b)];
        const TParaNode& node = Node(para);
        if (node.Next == block.First) block.First = para;
        ++block.Paras;
        block.Lines += node.Lines();
        if (block.Paras > FMaxParas) {
            SplitFull(b, para, tracked);
        } else if (FSumsValid) {
            AddToSums(b, 1, node.Lines());
        }
    }
    // `para`, of block b, was just unlinked; `next` is the paragraph that followed it (0 at
    // the end of the list). Its node must still be readable.
    void Unlinked(std::int32_t b, TParaRef para, TParaRef next, TIndexCursor& tracked);

    // An empty text when the invariants hold for the list beginning at `first`, the cursor
    // included; else the first violation.
    std::string Check(TParaRef first, TIndexCursor cursor) const;

  private:
    const TParaNode& Node(TParaRef para) const { return FStorage.Node(para); }
    void GrowRoom();
    void EnsureSums();
    void AddToSums(std::int32_t b, std::int32_t paras, std::int32_t lines);
    void SplitFull(std::int32_t b, TParaRef para, TIndexCursor& tracked);
    bool SplitOffEnd(std::int32_t b, TParaRef para, TIndexCursor& tracked);
    void SplitInHalves(std::int32_t b, TIndexCursor& tracked);
    void Merge(std::int32_t b, TIndexCursor& tracked);
    void Erase(std::int32_t b, TIndexCursor& tracked);
    std::string CheckSums() const;

    const TParaStorage& FStorage;
    std::int32_t FMaxParas;  // the block size
    std::int32_t FMinParas;  // a quarter of it, at least 1
    // The blocks in list order, then an end mark whose First is 0 (so that FirstAfter needs
    // no test: every step of a walk asks it).
    std::vector<TParaBlock> FBlocks;
    TFenwickTree FParaSums;  // over the blocks' Paras, valid while FSumsValid
    TFenwickTree FLineSums;  // over the blocks' Lines, valid while FSumsValid
    bool FSumsValid = false;
};

}  // namespace wendax
