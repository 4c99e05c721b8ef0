// The memory of the paragraphs of one store, with the buffer sizing rules. Nodes live in one
// block arena and text buffers and line-start tables in another, so that walking the list
// reads densely packed nodes.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/block_arena.h"
#include "engine/para_node.h"

namespace wendax {

// Reference to a paragraph node; 0 is "no paragraph".
using TParaRef = TArenaRef;

class TParaStorage {
  public:
    // A new unlinked paragraph holding `text` (at most kMaxParaLength characters, no NUL)
    // with one line. Its text buffer holds exactly the smallest multiple of 8 above the
    // length; an empty text gets no buffer. Raises EOutOfMemory.
    TParaRef Create(std::string_view text);
    // Releases the node and its buffers.
    void Destroy(TParaRef para);

    TParaNode& Node(TParaRef para) const { return *FNodes.At<TParaNode>(para); }
    // The characters of a paragraph (valid until it changes).
    std::string_view Text(const TParaNode& node) const {
        return node.Text == 0 ? std::string_view()
                              : std::string_view(FBuffers.Address(node.Text), node.Length);
    }
    char* MutableText(const TParaNode& node) const { return FBuffers.Address(node.Text); }

    // Makes the text buffer hold at least `bytes` (characters plus NUL): a smaller buffer is
    // replaced by one of `bytes` rounded up to 16, keeping the text. Buffers never shrink.
    // Raises EOutOfMemory and then leaves the old buffer and text.
    void ReserveText(TParaNode& node, std::int32_t bytes);

    // Line starts of a paragraph, entry 0 first; valid until the table changes.
    const std::uint16_t* LineStarts(const TParaNode& node) const {
        return node.LineStarts == 0 ? &kFirstLineStart
                                    : FBuffers.At<std::uint16_t>(node.LineStarts);
    }
    std::uint16_t* MutableLineStarts(const TParaNode& node) const {
        return FBuffers.At<std::uint16_t>(node.LineStarts);
    }
    // Makes the line-start capacity at least `entries` (the estimate of a wrap) without
    // creating a table that does not exist yet.
    void ReserveLineStartsEstimate(TParaNode& node, std::int32_t entries);
    // Makes a physical table hold at least `lines` entries (lines >= 2), growing to `lines`
    // rounded up to 8; entries 0..Lines()-1 are kept and new ones are zero.
    void ReserveLineStarts(TParaNode& node, std::int32_t lines);

    // Bytes in blocks in use, and bytes obtained from the system.
    std::size_t UsedBytes() const { return FNodes.UsedBytes() + FBuffers.UsedBytes(); }
    std::size_t ReservedBytes() const { return FNodes.ReservedBytes() + FBuffers.ReservedBytes(); }

  private:
    static constexpr std::uint16_t kFirstLineStart = 0;

    void ReplaceLineStarts(TParaNode& node, std::int32_t entries);
    static std::size_t TableBytes(std::int32_t entries) {
        return static_cast<std::size_t>(entries) * 2;
    }

    TBlockArena FNodes;
    TBlockArena FBuffers;
};

// The capacity rules.
// Text buffer of a paragraph created with n > 0 characters.
inline std::int32_t CreatedTextCapacity(std::int32_t n) {
    return (n + 8) & ~7;
}
// Text buffer grown to hold m bytes.
inline std::int32_t GrownTextCapacity(std::int32_t m) {
    return (m + 15) & ~15;
}
// Line-start entries estimated for n characters wrapped at width w (0 = no wrapping).
inline std::int32_t EstimatedLineStarts(std::int32_t n, std::int32_t w) {
    if (w <= 0) return 1;
    const std::int32_t e = n / w;
    const std::int32_t estimate = ((e + e / 5) + 7) & ~7;
    return estimate < 8 ? 8 : estimate;
}
// Line-start entries grown to hold `lines`.
inline std::int32_t GrownLineStarts(std::int32_t lines) {
    const std::int32_t rounded = (lines + 7) & ~7;
    return rounded < 8 ? 8 : rounded;
}

}  // namespace wendax
