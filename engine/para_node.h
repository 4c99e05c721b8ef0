// One paragraph of the store: a node of the doubly linked paragraph list. Its text buffer
// and its line-start table are blocks of the store's arena, owned by the node.
#pragma once

#include <cstdint>

#include "engine/block_arena.h"
#include "engine/line_end.h"

namespace wendax {

// Invariants: Length <= kMaxParaLength; Text is 0 exactly while Capacity is 0, otherwise it
// holds Length characters (none of them NUL) followed by a NUL and Capacity >= Length + 1;
// 1 <= Lines() <= max(1, Length). LineStartsCapacity is the table size the capacity rules
// give; the table itself (LineStarts) exists only once a second line has appeared, and then
// has LineStartsCapacity entries. Entry k (0-based here) is the offset of display line k + 1;
// entry 0 is 0, also when there is no table. LineEnd is what the file holds after the
// paragraph (line_end.h); its two bits live in the free top bits of Length and of the line
// count, which never exceed kMaxParaLength, so the node stays at 24 bytes.
struct TParaNode {
    TArenaRef Next = 0;
    TArenaRef Prev = 0;
    TArenaRef Text = 0;
    TArenaRef LineStarts = 0;
    std::uint16_t Length : 15 = 0;

  private:
    std::uint16_t FEndHigh : 1 = 0;  // shares Length's 16 bits

  public:
    std::uint16_t Capacity = 0;
    std::uint16_t LineStartsCapacity = 1;

    std::int32_t Lines() const { return FLines; }
    void SetLines(std::int32_t lines) { FLines = static_cast<std::uint16_t>(lines) & 0x7FFF; }
    TLineEnd LineEnd() const { return static_cast<TLineEnd>(FEndHigh << 1 | FEndLow); }
    void SetLineEnd(TLineEnd end) {
        FEndHigh = (end >> 1) & 1;
        FEndLow = end & 1;
    }

  private:
    std::uint16_t FLines : 15 = 1;
    std::uint16_t FEndLow : 1 = 0;
};

static_assert(sizeof(TParaNode) == 24, "a paragraph node is 24 bytes");

}  // namespace wendax
