// Appending lines to a store as paragraphs, as file loading does. A line longer than
// ParaLengthLimit is cut after the last space or tab among its first ParaLengthLimit
// characters (after exactly ParaLengthLimit characters when there is none) and goes on in
// further paragraphs, continuations of it: every piece but the last has the line end leNone,
// the last one the line's own. Only the line's end loses trailing blanks when trimming (a
// blank where a piece was cut stays). The limits are tested for one more paragraph and the
// rest of the line + 2 bytes before each piece. Nothing is recorded for undo and no view is
// told.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/editor_errors.h"
#include "engine/para_list.h"

namespace wendax {

// Appends one whole line before the store's last paragraph, without trailing blanks in
// each piece when `trim`. Returns the first failure; the pieces appended before it stay.
TEditorErrorCode AppendLine(TParaList& store, std::string_view line, bool trim, TLineEnd end);

// Appends lines that arrive in parts of any size, holding at most ParaLengthLimit + 1
// characters plus one part of a line at a time. On success the store ends up as with
// AppendLine for each whole line, and a failing line fails with the same code; pieces of a
// failing line may have been appended before the failure showed (a store that failed to
// load is discarded whole).
class TLineAppender {
  public:
    TLineAppender(TParaList& store, bool trim);

    // A whole line of which nothing has arrived yet.
    TEditorErrorCode AddLine(std::string_view line, TLineEnd end);
    // More characters of the current line.
    void AddPart(std::string_view part);
    // Ends the current line with `end`; returns its failure code.
    TEditorErrorCode EndLine(TLineEnd end);
    // Whether characters of an unfinished line have arrived.
    bool LineOpen() const { return FLineOpen; }
    // Whether every paragraph appended so far is valid UTF-8, each tested as it is cut, while
    // its bytes are at hand.
    bool AllValidUtf8() const { return FValidUtf8; }

  private:
    std::int32_t Limit() const;
    std::size_t PieceKnownAt() const;
    void CutPiece();

    TParaList& FStore;
    bool FTrim;
    bool FLineOpen = false;
    std::string FPending;      // characters of the current line not yet appended
    std::int64_t FLength = 0;  // characters of the current line before FPending
    // The byte-limit test of every piece already cut, deferred until the length of the
    // line is known: the largest ByteCount - characters consumed before a piece.
    std::int64_t FDeferredBytes = 0;
    bool FHasDeferred = false;
    bool FParaLimitHit = false;  // a piece was refused by ParaLimit; the rest is only counted
    bool FValidUtf8 = true;
};

}  // namespace wendax
