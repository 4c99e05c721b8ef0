#include "engine/para_index.h"

#include <algorithm>
#include <new>

#include "base/exceptions.h"

namespace wendax {

namespace {
std::int32_t newIndexMaxParas = TParaIndex::kMaxParas;
constexpr std::size_t kFirstBlocks = 8;
}  // namespace

TParaIndex::TScopedMaxParas::TScopedMaxParas(std::int32_t maxParas) : FSaved(newIndexMaxParas) {
    newIndexMaxParas = maxParas;
}

TParaIndex::TScopedMaxParas::~TScopedMaxParas() {
    newIndexMaxParas = FSaved;
}

TParaIndex::TParaIndex(const TParaStorage& storage, TParaRef first)
    : FStorage(storage), FMaxParas(newIndexMaxParas), FMinParas(std::max(1, newIndexMaxParas / 4)) {
    GrowRoom();
    FBlocks.push_back({first, 1, Node(first).Lines()});
    FBlocks.push_back({});
}

// The trees grow with the blocks (GrowRoom), so a rebuild finds its room already there.
void TParaIndex::EnsureSums() {
    if (FSumsValid) return;
    FParaSums.Build(BlockCount(), [this](std::int32_t b) { return Block(b).Paras; });
    FLineSums.Build(BlockCount(), [this](std::int32_t b) { return Block(b).Lines; });
    FSumsValid = true;
}

void TParaIndex::AddToSums(std::int32_t b, std::int32_t paras, std::int32_t lines) {
    FParaSums.Add(b, paras);
    FLineSums.Add(b, lines);
}

TBlockStart TParaIndex::BlockOfPara(std::int32_t n) {
    EnsureSums();
    const TFenwickTree::TFound found = FParaSums.Find(n);
    return {found.Element, found.Before + 1, FLineSums.Prefix(found.Element) + 1};
}

TBlockStart TParaIndex::BlockOfLine(std::int32_t n) {
    EnsureSums();
    const TFenwickTree::TFound found = FLineSums.Find(n);
    return {found.Element, FParaSums.Prefix(found.Element) + 1, found.Before + 1};
}

// Grows the room geometrically, all three arrays alike.
void TParaIndex::GrowRoom() {
    const std::size_t room = std::max(2 * FBlocks.size(), kFirstBlocks);
    try {
        FBlocks.reserve(room);
        FParaSums.Reserve(static_cast<std::int32_t>(room));
        FLineSums.Reserve(static_cast<std::int32_t>(room));
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
}

void TParaIndex::LinesChanged(std::int32_t b, std::int32_t delta) {
    FBlocks[static_cast<std::size_t>(b)].Lines += delta;
    if (FSumsValid) FLineSums.Add(b, delta);
}

void TParaIndex::SetLines(std::int32_t b, std::int32_t lines) {
    FBlocks[static_cast<std::size_t>(b)].Lines = lines;
    FSumsValid = false;
}

void TParaIndex::Unlinked(std::int32_t b, TParaRef para, TParaRef next, TIndexCursor& tracked) {
    TParaBlock& block = FBlocks[static_cast<std::size_t>(b)];
    const std::int32_t lines = Node(para).Lines();
    if (block.First == para) block.First = next;
    --block.Paras;
    block.Lines -= lines;
    if (block.Paras == 0) {
        Erase(b, tracked);
    } else if (block.Paras < FMinParas && b + 1 < BlockCount()) {
        Merge(b, tracked);
    } else if (FSumsValid) {
        AddToSums(b, -1, -lines);
    }
}

// Block b grew past the block size when `para` was linked into it. Needs room for one more
// block (ReserveBlock).
void TParaIndex::SplitFull(std::int32_t b, TParaRef para, TIndexCursor& tracked) {
    if (!SplitOffEnd(b, para, tracked)) SplitInHalves(b, tracked);
}

// A paragraph linked at the end of the text, as the last paragraph or right before it, moves
// the text's last paragraph into a new last block of its own. So appending, as loading a file
// does, fills every block and walks nothing. False when `para` is elsewhere.
//
//   before:  b: [ P1 .. Pn last ]   (b the last block, para is Pn or last)
//   after:   b: [ P1 .. Pn ]   b+1: [ last ]
bool TParaIndex::SplitOffEnd(std::int32_t b, TParaRef para, TIndexCursor& tracked) {
    const TParaRef next = Node(para).Next;
    if (b + 1 < BlockCount() || (next != 0 && Node(next).Next != 0)) return false;
    const TParaRef last = next == 0 ? para : next;
    const std::int32_t lines = Node(last).Lines();
    TParaBlock& block = FBlocks[static_cast<std::size_t>(b)];
    --block.Paras;
    block.Lines -= lines;
    FBlocks.insert(FBlocks.begin() + b + 1, {last, 1, lines});
    if (tracked.Node == last) ++tracked.Block;
    FSumsValid = false;
    return true;
}

// Block b keeps its first half; the second half becomes block b + 1. Needs room for one
// more block (ReserveBlock).
//
//   before:  b: [ P1 .. Ps | Ps+1 .. Pn ]
//   after:   b: [ P1 .. Ps ]   b+1: [ Ps+1 .. Pn ]
void TParaIndex::SplitInHalves(std::int32_t b, TIndexCursor& tracked) {
    TParaBlock& block = FBlocks[static_cast<std::size_t>(b)];
    const std::int32_t kept = block.Paras / 2;
    bool trackedKept = false;
    std::int32_t keptLines = 0;
    TParaRef para = block.First;
    for (std::int32_t i = 0; i < kept; ++i) {
        trackedKept = trackedKept || para == tracked.Node;
        keptLines += Node(para).Lines();
        para = Node(para).Next;
    }
    const TParaBlock second{para, block.Paras - kept, block.Lines - keptLines};
    block.Paras = kept;
    block.Lines = keptLines;
    FBlocks.insert(FBlocks.begin() + b + 1, second);
    if (tracked.Block > b || (tracked.Block == b && !trackedKept)) ++tracked.Block;
    FSumsValid = false;
}

// Block b, not the last one and grown too small, takes in the next block; a joined block
// grown too large is split again in halves.
void TParaIndex::Merge(std::int32_t b, TIndexCursor& tracked) {
    TParaBlock& block = FBlocks[static_cast<std::size_t>(b)];
    const TParaBlock& absorbed = Block(b + 1);
    block.Paras += absorbed.Paras;
    block.Lines += absorbed.Lines;
    if (tracked.Block == b + 1) tracked.Block = b;
    Erase(b + 1, tracked);
    if (block.Paras > FMaxParas) SplitInHalves(b, tracked);
}

void TParaIndex::Erase(std::int32_t b, TIndexCursor& tracked) {
    FBlocks.erase(FBlocks.begin() + b);
    if (tracked.Block > b) --tracked.Block;
    FSumsValid = false;
}

std::string TParaIndex::Check(TParaRef first, TIndexCursor cursor) const {
    TParaRef para = first;
    bool cursorSeen = false;
    for (std::int32_t b = 0; b < BlockCount(); ++b) {
        const TParaBlock& block = Block(b);
        const std::string name = "index block " + std::to_string(b);
        if (para == 0 || block.First != para) return name + " does not begin after the one before";
        if (block.Paras < 1 || block.Paras > FMaxParas ||
            (block.Paras < FMinParas && b + 1 < BlockCount())) {
            return name + " holds " + std::to_string(block.Paras) + " paragraphs";
        }
        std::int64_t lines = 0;
        for (std::int32_t i = 0; i < block.Paras; ++i, para = Node(para).Next) {
            if (para == 0) return name + " runs past the end of the list";
            if (para == cursor.Node) {
                if (cursor.Block != b) return "the cursor is in " + name + ", not in its own";
                cursorSeen = true;
            }
            lines += Node(para).Lines();
        }
        if (lines != block.Lines) return name + ": Lines is not the sum of its paragraphs'";
    }
    if (para != 0) return "the index blocks end before the list";
    if (FirstAfter(BlockCount() - 1) != 0) return "the index has lost its end mark";
    if (!cursorSeen) return "the cursor is in no index block";
    return CheckSums();
}

std::string TParaIndex::CheckSums() const {
    if (!FSumsValid) return {};
    if (FParaSums.Size() != BlockCount() || FLineSums.Size() != BlockCount())
        return "index sums are not one per block";
    std::int32_t paras = 0;
    std::int32_t lines = 0;
    for (std::int32_t b = 0; b < BlockCount(); ++b) {
        if (FParaSums.Prefix(b) != paras || FLineSums.Prefix(b) != lines)
            return "index sums differ before block " + std::to_string(b);
        paras += Block(b).Paras;
        lines += Block(b).Lines;
    }
    return {};
}

}  // namespace wendax
