// The layout of one undo record in the undo buffer's block: a 16-byte header followed by the
// payload. Records are packed without alignment, so fields are read and written bytewise.
//
//   0  PrevSize        u16  space of the record before it (payload + 16); 0 for the first
//   2  Kind            u8   TUndoKind in bits 0..6, ModifiedBefore in bit 7
//   3  Tag             u8   group tag: consecutive records with one tag form a group
//   4  Para            i32  paragraph of the change
//   8  Pos             i32  position in that paragraph
//   12 PayloadLength   u16
//   14 (unused)        u16
//   16 payload
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace wendax {

enum TUndoKind : std::uint8_t {
    ukCaret = 0,             // no payload: where the caret goes
    ukInsertText = 1,        // the inserted characters
    ukInsertParaBefore = 2,  // reference to the inserted paragraph
    ukInsertParaAfter = 3,   // reference to the inserted paragraph
    ukDeleteText = 4,        // the deleted characters
    ukDeletePara = 5,        // reference to the removed paragraph
    ukReplaceText = 6,       // old characters, NUL, new characters, NUL
    ukLineEnd = 7,           // old and new line end of the paragraph, one byte each
    ukConvertLineEnds = 8,   // new line end, then the old line ends of all paragraphs as runs
    ukConvertCharSet = 9,    // old and new character set, one byte each
};

inline constexpr TUndoKind kLastUndoKind = ukConvertCharSet;

inline constexpr std::uint16_t kUndoHeaderBytes = 16;
// Payload of a record that refers to a paragraph.
inline constexpr std::uint16_t kHeldParaBytes = 4;
// The largest payload a record can have.
inline constexpr std::size_t kMaxUndoPayload = 0xFFFF - kUndoHeaderBytes;

struct TUndoRecord {
    std::uint16_t PrevSize = 0;
    TUndoKind Kind = ukCaret;
    bool ModifiedBefore = false;
    std::uint8_t Tag = 0;
    std::int32_t Para = 0;
    std::int32_t Pos = 0;
    std::uint16_t PayloadLength = 0;

    std::uint32_t Space() const { return PayloadLength + std::uint32_t{kUndoHeaderBytes}; }
};

inline TUndoRecord ReadUndoRecord(const unsigned char* at) {
    TUndoRecord record;
    std::memcpy(&record.PrevSize, at, 2);
    record.Kind = static_cast<TUndoKind>(at[2] & 0x7F);
    record.ModifiedBefore = (at[2] & 0x80) != 0;
    record.Tag = at[3];
    std::memcpy(&record.Para, at + 4, 4);
    std::memcpy(&record.Pos, at + 8, 4);
    std::memcpy(&record.PayloadLength, at + 12, 2);
    return record;
}

inline void WriteUndoRecord(unsigned char* at, const TUndoRecord& record) {
    std::memcpy(at, &record.PrevSize, 2);
    at[2] = static_cast<unsigned char>(record.Kind | (record.ModifiedBefore ? 0x80 : 0));
    at[3] = record.Tag;
    std::memcpy(at + 4, &record.Para, 4);
    std::memcpy(at + 8, &record.Pos, 4);
    std::memcpy(at + 12, &record.PayloadLength, 2);
    at[14] = at[15] = 0;
}

// Whether a record refers to a held paragraph that it owns while on the given side.
inline bool OwnsHeldPara(TUndoKind kind, bool undoSide) {
    return undoSide ? kind == ukDeletePara
                    : (kind == ukInsertParaBefore || kind == ukInsertParaAfter);
}

}  // namespace wendax
