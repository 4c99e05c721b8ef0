// The undo history of one paragraph store, kept in one block of fixed size.
//
// Records lie in the block one after the other, oldest first: the undo records up to and
// including Current, then the redo records. Runs of typing, deleting and overwriting merge
// into one record; records written between BeginGroup and the matching EndGroup share a tag
// and are undone together. When the block is full the oldest whole groups are dropped, at
// least a sixteenth of the block at a time. Recording never allocates.
//
// A record that refers to a paragraph owns it while the paragraph is out of the store's list
// (a paragraph deletion on the undo side, a paragraph insertion on the redo side) and hands
// it to the releaser when the record is discarded.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/block_arena.h"
#include "engine/undo_record.h"

namespace wendax {

class THeldParaReleaser {
  public:
    virtual void ReleaseHeldPara(TArenaRef para) = 0;

  protected:
    ~THeldParaReleaser() = default;
};

// A record as handed to the replay: its header and payload (valid until the next record
// is written).
struct TUndoStep {
    TUndoRecord Record;
    const unsigned char* Payload = nullptr;

    std::string_view Text() const {
        return {reinterpret_cast<const char*>(Payload), Record.PayloadLength};
    }
    TArenaRef HeldPara() const;
    // The two parts of a replace record.
    std::string_view OldText() const;
    std::string_view NewText() const;
};

class TUndoBuffer {
  public:
    // A buffer of `size` bytes (0 records nothing). Raises EOutOfMemory.
    TUndoBuffer(std::uint16_t size, THeldParaReleaser& releaser);
    ~TUndoBuffer();
    TUndoBuffer(const TUndoBuffer&) = delete;
    TUndoBuffer& operator=(const TUndoBuffer&) = delete;

    std::uint16_t Size() const { return FSize; }
    std::uint16_t Free() const { return FFree; }
    std::uint16_t UndoCount() const { return FUndoCount; }
    std::uint16_t RedoCount() const { return FRedoCount; }
    bool InGroup() const { return FInGroup; }
    bool GroupLost() const { return FGroupLost; }

    // Records a change of kinds 0..5 (merging it into the newest record where it continues
    // a run). Returns whether it was recorded. Abandons the redo records.
    bool Add(TUndoKind kind, bool modified, std::int32_t para, std::int32_t pos,
             std::string_view payload);
    // Records a paragraph insertion or deletion holding the paragraph.
    bool AddHeldPara(TUndoKind kind, bool modified, std::int32_t para, std::int32_t pos,
                     TArenaRef held);
    // Records an overwrite of `oldChars` by `newChars`.
    bool AddReplace(bool modified, std::int32_t para, std::int32_t pos, std::string_view oldChars,
                    std::string_view newChars);

    // Opens a group, or joins the one already open; returns the previous InGroup for EndGroup.
    bool BeginGroup();
    void EndGroup(bool previous);

    // Marks every record as made while the text was modified (the text was just saved).
    void MarkAllModified();
    // Discards every record, releasing the paragraphs they own.
    void Clear();

    // Replay. TakeUndo (UndoCount > 0) moves Current back over its record and returns it;
    // UndoContinues tells whether the next undo belongs to the same group.
    TUndoStep TakeUndo();
    bool UndoContinues(std::uint8_t tag) const;
    // TakeRedo (RedoCount > 0) makes the next record Current, stamping it with the store's
    // `modified` now; RedoContinues tells whether the next redo belongs to the same group.
    TUndoStep TakeRedo(bool modified);
    bool RedoContinues(std::uint8_t tag) const;

    // Checks the block's bookkeeping; returns an empty text or what is wrong.
    std::string_view CheckInvariants() const;

  private:
    enum TMergeResult { mrNone, mrMerged, mrRefused, mrCurrentDropped };

    bool Record(TUndoKind kind, bool modified, std::int32_t para, std::int32_t pos,
                std::string_view first, std::string_view second, bool pair);
    TMergeResult Merge(TUndoKind kind, std::int32_t para, std::int32_t pos, std::string_view first,
                       std::string_view second);
    bool Continues(const TUndoRecord& current, TUndoKind kind, std::int32_t pos,
                   std::int32_t count) const;
    void Append(const TUndoRecord& current, TUndoKind kind, std::int32_t pos,
                std::string_view first, std::string_view second);
    bool Reserve(std::uint32_t bytes);
    std::uint32_t DropOldestGroups(std::uint32_t need);
    void AbandonRedo();
    void ReleaseOwned(std::uint32_t from, std::uint32_t count, bool undoSide);
    std::uint8_t NewTag() const;
    std::uint32_t NextOffset() const;
    TUndoRecord At(std::uint32_t offset) const { return ReadUndoRecord(FBlock.get() + offset); }
    std::uint32_t CurrentEnd() const {
        return FUndoCount == 0 ? 0 : FCurrent + At(FCurrent).Space();
    }

    std::unique_ptr<unsigned char[]> FBlock;
    std::uint16_t FSize;
    std::uint16_t FFree;
    std::uint32_t FCurrent = 0;  // offset of the newest undo record (0 when there is none)
    std::uint16_t FUndoCount = 0;
    std::uint16_t FRedoCount = 0;
    std::uint8_t FGroupTag = 0;
    bool FInGroup = false;
    bool FGroupLost = false;
    THeldParaReleaser& FReleaser;
};

}  // namespace wendax
