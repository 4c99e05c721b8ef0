#include "engine/para_storage.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace wendax {

TParaRef TParaStorage::Create(std::string_view text) {
    const TParaRef para = FNodes.Allocate(sizeof(TParaNode));
    TParaNode& node = *new (FNodes.Address(para)) TParaNode();
    if (text.empty()) return para;
    const auto length = static_cast<std::int32_t>(text.size());
    const std::int32_t capacity = CreatedTextCapacity(length);
    try {
        node.Text = FBuffers.Allocate(static_cast<std::size_t>(capacity));
    } catch (...) {
        FNodes.Release(para, sizeof(TParaNode));
        throw;
    }
    char* buffer = FBuffers.Address(node.Text);
    std::memcpy(buffer, text.data(), text.size());
    buffer[length] = '\0';
    node.Length = static_cast<std::uint16_t>(length);
    node.Capacity = static_cast<std::uint16_t>(capacity);
    return para;
}

void TParaStorage::Destroy(TParaRef para) {
    const TParaNode& node = Node(para);
    FBuffers.Release(node.Text, node.Capacity);
    if (node.LineStarts != 0)
        FBuffers.Release(node.LineStarts, TableBytes(node.LineStartsCapacity));
    FNodes.Release(para, sizeof(TParaNode));
}

void TParaStorage::ReserveText(TParaNode& node, std::int32_t bytes) {
    if (node.Capacity >= bytes) return;
    const std::int32_t capacity = GrownTextCapacity(bytes);
    const TArenaRef buffer = FBuffers.Allocate(static_cast<std::size_t>(capacity));
    char* to = FBuffers.Address(buffer);
    if (node.Text != 0) {
        std::memcpy(to, FBuffers.Address(node.Text), node.Length + 1u);
        FBuffers.Release(node.Text, node.Capacity);
    } else {
        to[0] = '\0';
    }
    node.Text = buffer;
    node.Capacity = static_cast<std::uint16_t>(capacity);
}

void TParaStorage::ReserveLineStartsEstimate(TParaNode& node, std::int32_t entries) {
    if (node.LineStartsCapacity >= entries) return;
    if (node.LineStarts == 0) {
        node.LineStartsCapacity = static_cast<std::uint16_t>(entries);
    } else {
        ReplaceLineStarts(node, entries);
    }
}

void TParaStorage::ReserveLineStarts(TParaNode& node, std::int32_t lines) {
    if (node.LineStarts != 0 && node.LineStartsCapacity >= lines) return;
    const std::int32_t needed =
        node.LineStartsCapacity >= lines ? node.LineStartsCapacity : GrownLineStarts(lines);
    ReplaceLineStarts(node, needed);
}

// A table of `entries` entries replaces the current one (or the implicit single entry 0).
void TParaStorage::ReplaceLineStarts(TParaNode& node, std::int32_t entries) {
    const TArenaRef table = FBuffers.Allocate(TableBytes(entries));
    auto* to = FBuffers.At<std::uint16_t>(table);
    const std::int32_t kept = std::min(node.Lines(), entries);
    std::memcpy(to, LineStarts(node), TableBytes(kept));
    std::memset(to + kept, 0, TableBytes(entries - kept));
    if (node.LineStarts != 0)
        FBuffers.Release(node.LineStarts, TableBytes(node.LineStartsCapacity));
    node.LineStarts = table;
    node.LineStartsCapacity = static_cast<std::uint16_t>(entries);
}

}  // namespace wendax
