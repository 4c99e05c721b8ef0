// The highlight (selection) of one view: the characters from Begin up to, not including, End,
// and the end that follows the caret when a move extends it.
#pragma once

#include <string>

#include "engine/text_change.h"
#include "engine/text_positions.h"

namespace wendax {

class TParaList;

// Invariants (CheckInvariants): Begin <= End (paragraph first, then position); CaretSide is
// Begin or End; all three lie in existing paragraphs at positions 1 .. Length + 1.
// Begin == End means nothing is highlighted.
class THighlight {
  public:
    TParaPos Begin() const { return FBegin; }
    TParaPos End() const { return FEnd; }
    TParaPos CaretSide() const { return FCaretSide; }
    bool IsEmpty() const { return FBegin == FEnd; }
    // The caret stands at End of a non-empty highlight.
    bool CaretAtEnd() const { return !IsEmpty() && FCaretSide == FEnd; }

    // Nothing highlighted; all three ends at `at`.
    void Collapse(TParaPos at) { FBegin = FEnd = FCaretSide = at; }
    // The caret-side end moves to `point`; the ends are swapped when they cross.
    void Extend(TParaPos point);
    // Highlights from `from` to `to` (in either order) with the caret at `to`.
    void Set(TParaPos from, TParaPos to);

    // Moves the three ends across a change made to the store.
    void Move(TParaList& store, const TTextChange& change);
    // Brings every end within its paragraph (Length + 1) and the paragraphs within the text,
    // for ends that a change inside a line break left after the end of their paragraph.
    void Clamp(TParaList& store);

    std::string CheckInvariants(TParaList& store) const;

  private:
    TParaPos FBegin{1, 1};
    TParaPos FEnd{1, 1};
    TParaPos FCaretSide{1, 1};
};

}  // namespace wendax
