#include "engine/highlight.h"

#include <algorithm>
#include <utility>

#include "engine/para_list.h"

namespace wendax {

namespace {

// Within the text and on the first byte of a character.
TParaPos Clamped(TParaList& store, TParaPos at) {
    at.Para = std::clamp(at.Para, 1, store.ParaCount());
    at.Pos = std::clamp(at.Pos, 1, store.ParaLength(at.Para) + 1);
    at.Pos = CharStart(store.CharSet(), store.ParaText(at.Para), at.Pos - 1) + 1;
    return at;
}

bool Valid(TParaList& store, TParaPos at) {
    return at.Para >= 1 && at.Para <= store.ParaCount() && at.Pos >= 1 &&
           at.Pos <= store.ParaLength(at.Para) + 1 && Clamped(store, at) == at;
}

}  // namespace

void THighlight::Extend(TParaPos point) {
    if (FCaretSide == FBegin) {
        FBegin = point;
    } else {
        FEnd = point;
    }
    if (FEnd < FBegin) std::swap(FBegin, FEnd);
    FCaretSide = point;
}

void THighlight::Set(TParaPos from, TParaPos to) {
    FBegin = std::min(from, to);
    FEnd = std::max(from, to);
    FCaretSide = to;
}

// A position in a deleted last paragraph goes to the start of the paragraph before it, which
// can put the end before the begin: the two are then swapped, as when a move crosses them.
void THighlight::Move(TParaList& store, const TTextChange& change) {
    store.MoveViewPosition(change, FBegin);
    store.MoveViewPosition(change, FEnd);
    store.MoveViewPosition(change, FCaretSide);
    if (FEnd < FBegin) std::swap(FBegin, FEnd);
}

// Equal ends stay equal, so the caret side keeps naming one of them.
void THighlight::Clamp(TParaList& store) {
    FBegin = Clamped(store, FBegin);
    FEnd = Clamped(store, FEnd);
    FCaretSide = Clamped(store, FCaretSide);
}

std::string THighlight::CheckInvariants(TParaList& store) const {
    if (!Valid(store, FBegin)) return "highlight begin outside the text";
    if (!Valid(store, FEnd)) return "highlight end outside the text";
    if (FEnd < FBegin) return "highlight end before its begin";
    if (FCaretSide != FBegin && FCaretSide != FEnd) return "caret side is neither end";
    return {};
}

}  // namespace wendax
