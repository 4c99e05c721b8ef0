#include "engine/undo_buffer.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/exceptions.h"

namespace wendax {

TArenaRef TUndoStep::HeldPara() const {
    TArenaRef para = 0;
    std::memcpy(&para, Payload, sizeof(para));
    return para;
}

std::string_view TUndoStep::OldText() const {
    const std::string_view all = Text();
    return all.substr(0, all.find('\0'));
}

std::string_view TUndoStep::NewText() const {
    const std::string_view all = Text();
    const std::size_t from = all.find('\0') + 1;
    return all.substr(from, all.size() - from - 1);
}

TUndoBuffer::TUndoBuffer(std::uint16_t size, THeldParaReleaser& releaser)
    : FSize(size), FFree(size), FReleaser(releaser) {
    if (size == 0) return;
    FBlock.reset(new (std::nothrow) unsigned char[size]);
    if (!FBlock) throw EOutOfMemory();
}

TUndoBuffer::~TUndoBuffer() {
    Clear();
}

bool TUndoBuffer::Add(TUndoKind kind, bool modified, std::int32_t para, std::int32_t pos,
                      std::string_view payload) {
    return Record(kind, modified, para, pos, payload, {}, false);
}

bool TUndoBuffer::AddHeldPara(TUndoKind kind, bool modified, std::int32_t para, std::int32_t pos,
                              TArenaRef held) {
    char bytes[kHeldParaBytes];
    std::memcpy(bytes, &held, sizeof(bytes));
    return Record(kind, modified, para, pos, {bytes, sizeof(bytes)}, {}, false);
}

bool TUndoBuffer::AddReplace(bool modified, std::int32_t para, std::int32_t pos,
                             std::string_view oldChars, std::string_view newChars) {
    return Record(ukReplaceText, modified, para, pos, oldChars, newChars, true);
}

// `first` is the payload; for a replace record (`pair`) the payload is first, NUL, second, NUL.
bool TUndoBuffer::Record(TUndoKind kind, bool modified, std::int32_t para, std::int32_t pos,
                         std::string_view first, std::string_view second, bool pair) {
    AbandonRedo();
    if (!FInGroup) {
        const TMergeResult merged = Merge(kind, para, pos, first, second);
        if (merged == mrMerged) return true;
        if (merged == mrRefused) return false;
        if (merged == mrNone) FGroupTag = NewTag();  // a change outside a group is a group
    }
    // A payload beyond 16 bits (the largest overwrite of a full paragraph) is larger than any
    // buffer: Reserve wipes the history, which must never survive a change left unrecorded.
    const std::size_t payload = first.size() + (pair ? second.size() + 2 : 0);
    if (!Reserve(static_cast<std::uint32_t>(payload) + kUndoHeaderBytes)) return false;
    const std::uint32_t at = CurrentEnd();
    TUndoRecord record;
    record.PrevSize = FUndoCount == 0 ? 0 : static_cast<std::uint16_t>(At(FCurrent).Space());
    record.Kind = kind;
    record.ModifiedBefore = modified;
    record.Tag = FGroupTag;
    record.Para = para;
    record.Pos = pos;
    record.PayloadLength = static_cast<std::uint16_t>(payload);
    unsigned char* to = FBlock.get() + at;
    WriteUndoRecord(to, record);
    to += kUndoHeaderBytes;
    if (!first.empty()) std::memcpy(to, first.data(), first.size());
    if (pair) {
        to[first.size()] = 0;
        if (!second.empty()) std::memcpy(to + first.size() + 1, second.data(), second.size());
        to[payload - 1] = 0;
    }
    FCurrent = at;
    ++FUndoCount;
    FFree = static_cast<std::uint16_t>(FFree - record.Space());
    return true;
}

// A change merges into the newest record only outside groups, for the same kind and
// paragraph, when it continues the run: typing on, deleting forwards or backwards at the
// same place, overwriting on. The merged record must still describe one change of the text
// before the run.
TUndoBuffer::TMergeResult TUndoBuffer::Merge(TUndoKind kind, std::int32_t para, std::int32_t pos,
                                             std::string_view first, std::string_view second) {
    if (FUndoCount == 0) return mrNone;
    const TUndoRecord current = At(FCurrent);
    if (current.Kind != kind || current.Para != para) return mrNone;
    if (!Continues(current, kind, pos, static_cast<std::int32_t>(first.size()))) return mrNone;
    const std::size_t added = first.size() + second.size();
    if (!Reserve(static_cast<std::uint32_t>(added))) return mrRefused;
    if (FUndoCount == 0) return mrCurrentDropped;
    Append(At(FCurrent), kind, pos, first, second);
    FFree = static_cast<std::uint16_t>(FFree - added);
    return mrMerged;
}

bool TUndoBuffer::Continues(const TUndoRecord& current, TUndoKind kind, std::int32_t pos,
                            std::int32_t count) const {
    switch (kind) {
        case ukInsertText:
            return pos == current.Pos + current.PayloadLength;
        case ukDeleteText:
            return pos == current.Pos || pos + count == current.Pos;
        case ukReplaceText: {
            // Overwriting continues right after the characters written so far. (For the
            // usual one-for-one overwrite this is also right after the old characters.)
            const TUndoStep step{current, FBlock.get() + FCurrent + kUndoHeaderBytes};
            return pos == current.Pos + static_cast<std::int32_t>(step.NewText().size());
        }
        default:
            return false;
    }
}

// Grows the newest record by the merged characters; the space after it is free.
void TUndoBuffer::Append(const TUndoRecord& current, TUndoKind kind, std::int32_t pos,
                         std::string_view first, std::string_view second) {
    TUndoRecord record = current;
    unsigned char* payload = FBlock.get() + FCurrent + kUndoHeaderBytes;
    const std::size_t length = current.PayloadLength;
    const std::size_t count = first.size();
    if (kind == ukReplaceText) {
        //   old NUL new NUL   ->   old first NUL new second NUL
        const std::size_t oldLength = TUndoStep{current, payload}.OldText().size();
        const std::size_t newLength = length - oldLength - 2;
        std::memmove(payload + oldLength + count + 1, payload + oldLength + 1, newLength + 1);
        std::memcpy(payload + oldLength, first.data(), count);
        payload[oldLength + count] = 0;
        unsigned char* newEnd = payload + oldLength + count + 1 + newLength;
        if (!second.empty()) std::memcpy(newEnd, second.data(), second.size());
        newEnd[second.size()] = 0;
    } else if (kind == ukDeleteText && pos != current.Pos) {  // deleting backwards
        std::memmove(payload + count, payload, length);
        std::memcpy(payload, first.data(), count);
        record.Pos = pos;
    } else {
        std::memcpy(payload + length, first.data(), count);
    }
    record.PayloadLength = static_cast<std::uint16_t>(length + count + second.size());
    WriteUndoRecord(FBlock.get() + FCurrent, record);
}

// Makes `bytes` free after Current. Precondition: no redo records. A refused change is still
// carried out, so every refusal leaves the buffer empty (a lost group keeps it empty until the
// group closes): no older record may ever be undone over a change it does not know of.
bool TUndoBuffer::Reserve(std::uint32_t bytes) {
    if (FGroupLost) return false;
    if (FSize < bytes) {  // too large for the whole buffer: the history is gone
        Clear();
        FGroupLost = FInGroup;
        return false;
    }
    if (FFree >= bytes) return true;
    const std::uint32_t from = DropOldestGroups(std::max<std::uint32_t>(FSize / 16u, bytes));
    if (FUndoCount == 0) {  // a group that lost its beginning is not recorded any further
        Clear();
        FGroupLost = FInGroup;
        return !FInGroup;
    }
    std::memmove(FBlock.get(), FBlock.get() + from, CurrentEnd() - from);
    FCurrent -= from;
    std::memset(FBlock.get(), 0, 2);  // the first record has no predecessor
    return true;
}

// Discards whole groups from the oldest on until `need` bytes are free or no undo record is
// left. Returns the offset of the first record kept.
std::uint32_t TUndoBuffer::DropOldestGroups(std::uint32_t need) {
    std::uint32_t offset = 0;
    std::uint16_t dropped = 0;
    while (dropped < FUndoCount && FFree < need) {
        const std::uint8_t tag = At(offset).Tag;
        while (dropped < FUndoCount && At(offset).Tag == tag) {
            const TUndoRecord record = At(offset);
            ReleaseOwned(offset, 1, true);
            FFree = static_cast<std::uint16_t>(FFree + record.Space());
            offset += record.Space();
            ++dropped;
        }
    }
    if (dropped == FUndoCount) {
        FUndoCount = 0;
        FCurrent = 0;
        return 0;
    }
    FUndoCount = static_cast<std::uint16_t>(FUndoCount - dropped);
    return offset;
}

void TUndoBuffer::AbandonRedo() {
    ReleaseOwned(CurrentEnd(), FRedoCount, false);
    FRedoCount = 0;
}

void TUndoBuffer::ReleaseOwned(std::uint32_t from, std::uint32_t count, bool undoSide) {
    for (std::uint32_t i = 0; i < count; ++i) {
        const TUndoRecord record = At(from);
        if (OwnsHeldPara(record.Kind, undoSide)) {
            FReleaser.ReleaseHeldPara(
                TUndoStep{record, FBlock.get() + from + kUndoHeaderBytes}.HeldPara());
        }
        from += record.Space();
    }
}

bool TUndoBuffer::BeginGroup() {
    const bool previous = FInGroup;
    if (!FInGroup) {
        FInGroup = true;
        FGroupTag = NewTag();
    }
    return previous;
}

void TUndoBuffer::EndGroup(bool previous) {
    FInGroup = previous;
    if (!previous) FGroupLost = false;
}

// The next tag, never equal to the newest record's, so that a wrapped tag cannot fuse two
// groups.
std::uint8_t TUndoBuffer::NewTag() const {
    auto tag = static_cast<std::uint8_t>(FGroupTag + 1);
    if (FUndoCount > 0 && At(FCurrent).Tag == tag) ++tag;
    return tag;
}

void TUndoBuffer::MarkAllModified() {
    std::uint32_t offset = 0;
    for (std::uint32_t i = 0; i < std::uint32_t{FUndoCount} + FRedoCount; ++i) {
        FBlock[offset + 2] |= 0x80;
        offset += At(offset).Space();
    }
}

void TUndoBuffer::Clear() {
    ReleaseOwned(0, FUndoCount, true);
    ReleaseOwned(CurrentEnd(), FRedoCount, false);
    FFree = FSize;
    FUndoCount = 0;
    FRedoCount = 0;
    FCurrent = 0;
    FGroupTag = 0;
}

TUndoStep TUndoBuffer::TakeUndo() {
    const TUndoRecord record = At(FCurrent);
    const TUndoStep step{record, FBlock.get() + FCurrent + kUndoHeaderBytes};
    --FUndoCount;
    ++FRedoCount;
    FFree = static_cast<std::uint16_t>(FFree + record.Space());
    if (FUndoCount > 0) FCurrent -= record.PrevSize;
    return step;
}

bool TUndoBuffer::UndoContinues(std::uint8_t tag) const {
    return FUndoCount > 0 && At(FCurrent).Tag == tag;
}

TUndoStep TUndoBuffer::TakeRedo(bool modified) {
    const std::uint32_t at = CurrentEnd();
    TUndoRecord record = At(at);
    record.ModifiedBefore = modified;
    WriteUndoRecord(FBlock.get() + at, record);
    FCurrent = at;
    ++FUndoCount;
    --FRedoCount;
    FFree = static_cast<std::uint16_t>(FFree - record.Space());
    return {record, FBlock.get() + at + kUndoHeaderBytes};
}

bool TUndoBuffer::RedoContinues(std::uint8_t tag) const {
    return FRedoCount > 0 && At(CurrentEnd()).Tag == tag;
}

std::string_view TUndoBuffer::CheckInvariants() const {
    std::uint32_t offset = 0;
    std::uint32_t previous = 0;
    const std::uint32_t records = std::uint32_t{FUndoCount} + FRedoCount;
    for (std::uint32_t i = 0; i < records; ++i) {
        if (offset + kUndoHeaderBytes > FSize) return "undo record outside the block";
        const TUndoRecord record = At(offset);
        if (record.PrevSize != previous) return "undo record PrevSize chain broken";
        if (record.Kind > kLastUndoKind) return "undo record of unknown kind";
        if (i + 1 == FUndoCount && offset != FCurrent)
            return "Current is not the newest undo record";
        previous = record.Space();
        offset += record.Space();
        if (offset > FSize) return "undo record outside the block";
    }
    if (FUndoCount == 0 && FCurrent != 0) return "Current not at the start without undo records";
    if (FFree != FSize - CurrentEnd()) return "Free does not match the undo records";
    if (FGroupLost && !FInGroup) return "GroupLost outside a group";
    return {};
}

}  // namespace wendax
