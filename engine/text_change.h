// What one edit primitive did to the text, as told to the markers and to every view, and the
// rules that move a position across such a change.
#pragma once

#include <cstdint>

#include "engine/text_positions.h"

namespace wendax {

enum TTextChangeKind : std::uint8_t {
    tcCharsInserted,  // Count characters inserted at (Para, Pos)
    tcCharsDeleted,   // Count characters deleted at (Para, Pos)
    tcParaSplit,      // Para split at Pos; the new paragraph starts with Count indent characters
    tcParaDeleted,    // paragraph Para removed
    tcParasJoined,    // paragraph Para + 1 appended to paragraph Para at Pos
    // every paragraph rewritten into the other character set: a position keeps the number
    // of code points before it, so only the store, which holds the texts, can move it
    tcCharSetConverted,
};

struct TTextChange {
    TTextChangeKind Kind = tcCharsInserted;
    std::int32_t Para = 0;
    std::int32_t Count = 0;
    std::int32_t Pos = 0;
};

// Moves a marker across a change. Returns false when the marker's character or paragraph
// was deleted (the marker is then to be cleared); an unset marker (paragraph 0) stays unset.
// Neither function moves a position across tcCharSetConverted (TParaList::MoveViewPosition
// does).
bool MoveMarker(const TTextChange& change, TParaPos& marker);

// Moves a view's position (caret, anchor, highlight end) across a change. A view's position
// is never cleared: one inside deleted characters goes to the first deleted position, one in
// a deleted paragraph to position 1 of the paragraph that now has its number (at most
// paraCount, the count after the change).
void MoveViewPosition(const TTextChange& change, TParaPos& position, std::int32_t paraCount);

}  // namespace wendax
